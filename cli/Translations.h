#pragma once

#include "form/texts/Messages.h"

#include <QObject>
#include <QString>

#include <optional>

class QTranslator;

namespace ga::qt {

// The language the whole program speaks: the plain layers' message catalogue, this
// program's own Qt texts (translated from Turkish through the .qm files built from the
// .ts files in translations/) and Qt's own dialogs and buttons. Turkish is the default
// whatever the desktop's language is; English is a choice, remembered between starts.
class Translations : public QObject {
    Q_OBJECT

  public:
    explicit Translations(QObject* parent = nullptr);

    // Gives the plain layers (status lines, report, captions, experiment errors) their
    // translations from the same .qm files as the windows' texts, in any language whatever
    // the window speaks: the command line's English before any window exists. Safe to
    // call more than once; every Translations object does.
    static void serveThePlainLayers();

    // Switches everything to `language` at once: Qt tells every window (LanguageChange).
    void use(Language language);
    [[nodiscard]] Language current() const { return current_; }

    // The language remembered from the last choice in the menu, Turkish at first.
    static Language remembered();
    static void remember(Language language);
    // "tr" and "en", as the command line and the settings spell them.
    static std::optional<Language> fromCode(const QString& code);
    static QString code(Language language);

  private:
    QTranslator* program_ = nullptr;
    QTranslator* qt_ = nullptr;
    Language current_ = Language::Turkish;
};

} // namespace ga::qt
