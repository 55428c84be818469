#include "qt/MainWindow.h"
#include "qt/Startup.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>

namespace {

// Qt aborts with a long message when no windowing system answers; a person starting the
// program from a terminal without a desktop gets one clear line instead.
bool platformChosenOnCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 ||
            std::strncmp(argv[i], "-platform=", 10) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (!ga::qt::displayAvailable() && !platformChosenOnCommandLine(argc, argv)) {
        std::fputs("genetik-algoritma: ekran bulunamadı (no display: set DISPLAY or run under a "
                   "desktop session)\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("genetik-algoritma"));
    QApplication::setDesktopFileName(QLatin1String(ga::qt::kApplicationId));

    ga::qt::installFontSubstitutions();
    QApplication::setFont(ga::qt::regularFont());
    ga::qt::installQtTranslations(app);

    // The locale's decimal separator, read once; the list lines use it.
    const std::string separator = QLocale::system().decimalPoint().toStdString();

    ga::qt::MainWindow window(separator);
    window.show();
    return QApplication::exec();
}
