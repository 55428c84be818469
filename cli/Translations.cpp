#include "cli/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <array>
#include <string>
#include <string_view>

namespace ga::qt {

namespace {

const QString kSettingsKey = QStringLiteral("language");

// The program's own translation into a language, built from its .ts file.
QString programFile(Language language) {
    return QStringLiteral(":/i18n/genetik-algoritma_%1.qm").arg(Translations::code(language));
}

std::string translateForThePlainLayers(Language language, std::string_view context,
                                       std::string_view source) {
    // One translator per language, loaded on first use and kept apart from those installed
    // in the application; they live as long as the program.
    static std::array<QTranslator*, kLanguageCount> translators{};
    QTranslator*& translator = translators.at(static_cast<std::size_t>(language));
    if (translator == nullptr) {
        translator = new QTranslator;
        // A language without a file has no translations: its texts stay Turkish.
        static_cast<void>(translator->load(programFile(language)));
    }
    const QByteArray contextText(context.data(), static_cast<qsizetype>(context.size()));
    const QByteArray sourceText(source.data(), static_cast<qsizetype>(source.size()));
    return translator->translate(contextText.constData(), sourceText.constData()).toStdString();
}

} // namespace

Translations::Translations(QObject* parent)
    : QObject(parent), program_(new QTranslator(this)), qt_(new QTranslator(this)) {
    serveThePlainLayers();
}

void Translations::serveThePlainLayers() {
    static const bool installed = [] {
        installTranslator(&translateForThePlainLayers);
        return true;
    }();
    static_cast<void>(installed);
}

void Translations::use(Language language) {
    QCoreApplication::removeTranslator(program_);
    QCoreApplication::removeTranslator(qt_);
    // The program's texts are written in Turkish; only English needs a translation. Qt's
    // own texts are English; only Turkish needs one.
    if (language == Language::English) {
        if (program_->load(programFile(language))) {
            QCoreApplication::installTranslator(program_);
        }
    } else if (qt_->load(QStringLiteral("qtbase_tr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt_);
    }
    setLanguage(language);
    current_ = language;
}

Language Translations::remembered() {
    QSettings settings;
    return fromCode(settings.value(kSettingsKey).toString()).value_or(Language::Turkish);
}

void Translations::remember(Language language) {
    QSettings settings;
    settings.setValue(kSettingsKey, code(language));
}

std::optional<Language> Translations::fromCode(const QString& code) {
    if (code == QLatin1String("tr")) {
        return Language::Turkish;
    }
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

QString Translations::code(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("tr");
}

} // namespace ga::qt
