#include "qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace ga::qt {

namespace {

const QString kSettingsKey = QStringLiteral("language");

} // namespace

Translations::Translations(QObject* parent)
    : QObject(parent), program_(new QTranslator(this)), qt_(new QTranslator(this)) {}

void Translations::use(Language language) {
    QCoreApplication::removeTranslator(program_);
    QCoreApplication::removeTranslator(qt_);
    // The program's texts are written in Turkish; only English needs a translation. Qt's
    // own texts are English; only Turkish needs one.
    if (language == Language::English) {
        if (program_->load(QStringLiteral(":/i18n/genetik-algoritma_en.qm"))) {
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
