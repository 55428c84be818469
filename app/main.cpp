#include "cli/CommandLine.h"
#include "cli/HeadlessExperiment.h"
#include "cli/Translations.h"
#include "form/texts/Messages.h"
#include "qt/files/FileMenu.h"
#include "qt/files/HeadlessQuestionBank.h"
#include "qt/main/MainWindow.h"
#include "qt/main/PresentationMode.h"
#include "qt/main/Startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("genetik-algoritma"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(
        ga::programVersion().data(), static_cast<qsizetype>(ga::programVersion().size())));

    ga::qt::Translations::serveThePlainLayers();

    // The command line is read before anything needs a display: --help, --version and a
    // refused option answer in a terminal without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const ga::qt::CommandLine command = ga::qt::parseCommandLine(arguments);
    switch (command.action) {
    case ga::qt::CommandLine::Action::Help:
        std::fputs(qPrintable(command.help), stdout);
        if (!command.help.endsWith(QLatin1Char('\n'))) {
            std::fputs("\n", stdout);
        }
        return 0;
    case ga::qt::CommandLine::Action::Version:
        std::printf("genetik-algoritma %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    case ga::qt::CommandLine::Action::Error:
        std::fprintf(stderr, "genetik-algoritma: %s See --help.\n", qPrintable(command.error));
        return 2;
    case ga::qt::CommandLine::Action::Experiment: {
        // No window and no display: the experiment's output goes to files and the terminal.
        QCoreApplication app(argc, argv);
        return ga::qt::runHeadlessExperiment(command.experiment, command.experimentOutput);
    }
    case ga::qt::CommandLine::Action::Questions: {
        // No window: Moodle XML needs Qt Core alone; the PDF needs fonts, which a
        // QGuiApplication on the offscreen platform gives without a display.
        std::unique_ptr<QCoreApplication> app;
        if (ga::qt::wantsPdf(command.questionsOutput)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
            ga::qt::installFontSubstitutions();
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        // The language for this start, or the one last chosen in the window.
        QCoreApplication::setOrganizationName(QStringLiteral("genetik-algoritma"));
        ga::qt::Translations translations;
        translations.use(command.language.value_or(ga::qt::Translations::remembered()));
        return ga::qt::writeHeadlessQuestionBank(command.questions, command.questionsOutput,
                                                 QLocale::system().decimalPoint().toStdString());
    }
    case ga::qt::CommandLine::Action::Window:
        break;
    }

    // Qt aborts with a long message when no windowing system answers; a person starting the
    // program from a terminal without a desktop gets one clear line instead.
    const bool platformChosen =
        std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
            return a.startsWith(QLatin1String("-platform")) ||
                   a.startsWith(QLatin1String("--platform"));
        });
    if (!ga::qt::displayAvailable() && !platformChosen) {
        std::fputs("genetik-algoritma: ekran bulunamadı (no display: set DISPLAY or run under a "
                   "desktop session)\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QLatin1String(ga::qt::kApplicationId));
    // Settings live under the program's own name (~/.config/genetik-algoritma/).
    QApplication::setOrganizationName(QStringLiteral("genetik-algoritma"));
    ga::qt::installFontSubstitutions();
    QApplication::setFont(ga::qt::regularFont());

    // The locale's decimal separator, read once; the list lines use it.
    const std::string separator = QLocale::system().decimalPoint().toStdString();

    ga::qt::MainWindow window(separator, command.seed,
                              command.language.value_or(ga::qt::Translations::remembered()));
    if (command.present || ga::qt::PresentationMode::remembered()) {
        window.presentation().setOn(true);
    } else {
        window.show();
    }
    if (!command.session.isEmpty()) {
        // Opened over the window as it starts: a file that cannot be opened leaves it so and
        // says why in a message box.
        window.files().openSession(command.session);
    }
    return QApplication::exec();
}
