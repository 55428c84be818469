#include "qt/CommandLine.h"

#include "form/Messages.h"
#include "qt/Translations.h"
#include "runtime/Random.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace ga::qt {

namespace {

// The options QApplication takes for itself; they are accepted here and left to it.
void allowQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
        "display",     "geometry",           "title"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Genetik Algoritma: shows a genetic algorithm at work, generation by generation."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Help and version by hand: Qt's own also offer --help-all, which needs a display.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Start with the random generator's seed fixed to N (0 to 4294967295); "
                       "\"Sıfırla\" then reseeds with the same seed, so a run can be replayed."),
        QStringLiteral("N"));
    parser.addOption(seed);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The language of the window for this start: tr (Turkish, the default) "
                       "or en (English); without it, the language last chosen in the window."),
        QStringLiteral("tr|en"));
    parser.addOption(lang);
    allowQtOptions(parser);

    // The program's name stands where Qt would need a running application to find it.
    result.help = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                            QStringLiteral("genetik-algoritma"));
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().front());
        return result;
    }
    if (parser.isSet(lang)) {
        result.language = Translations::fromCode(parser.value(lang));
        if (!result.language) {
            result.action = CommandLine::Action::Error;
            result.error =
                QStringLiteral("--lang takes tr or en, not '%1'.").arg(parser.value(lang));
            return result;
        }
    }
    if (parser.isSet(seed)) {
        result.seed = parseSeed(parser.value(seed).toStdString());
        if (!result.seed) {
            result.action = CommandLine::Action::Error;
            result.error =
                QStringLiteral("--seed needs a whole number from 0 to 4294967295, not '%1'.")
                    .arg(parser.value(seed));
            return result;
        }
    }
    return result;
}

} // namespace ga::qt
