#pragma once

#include "engine/QuestionBank.h"
#include "session/SessionJson.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;

namespace ga::qt {

class MainWindowBase;

// The "Dosya" menu and what it does: sessions opened and saved (atomically, checked
// through before anything in the window changes), the recent sessions, and the exports of
// the report, the run's numbers and the charts. Every failure is said in a message box that
// names the file and the reason; the run in the window never changes on a failure.
class FileMenu : public QObject {
    Q_OBJECT

  public:
    enum class ChartFormat { Png, Svg };

    // The most recent sessions the menu lists.
    static constexpr int kRecentCount = 8;

    FileMenu(MainWindowBase& window, QMenu& menu);

    // The texts of the menu in the language in use.
    void retranslate();

    // Opens a session: on success the window shows it and its title names it; otherwise a
    // message box says why and nothing changes.
    bool openSession(const QString& path);
    // Saves the window's run; on failure a message box says why and the file is as before.
    bool saveSession(const QString& path);
    // The exports, to the path given. Charts go to one file per chart beside `path`, named
    // after it (see chartPaths).
    bool exportReport(const QString& path);
    bool exportRunCsv(const QString& path);
    bool exportCharts(const QString& path, ChartFormat format);
    // A question bank in the language in use: a PDF when `path` ends in .pdf, Moodle XML
    // otherwise.
    bool exportQuestionBank(const QString& path, const QuestionBankSettings& settings);

    // "x/run.png" gives x/run-uyum.png, x/run-cesitlilik.png and x/run-gecmis.png: the
    // fitness chart, the gene chart and the history chart.
    static QStringList chartPaths(const QString& path, ChartFormat format);

    // The session open in the window, empty when none.
    [[nodiscard]] const QString& currentPath() const { return current_; }
    // The sessions most recently opened or saved, newest first (remembered in the settings).
    static QStringList recentSessions();

  private:
    void open();
    void save();
    void saveAs();
    void fillRecent();
    void askExport(const QString& title, const QString& filter, const QString& suggested,
                   bool (FileMenu::*write)(const QString&));
    void askCharts(ChartFormat format);
    void askQuestionBank();
    QString askSaveName(const QString& title, const QString& filter, const QString& suggested,
                        bool confirmOverwrite = true);
    void remember(const QString& path);
    void forget(const QString& path);
    void setCurrent(const QString& path);
    // An atomic write of `bytes`; on failure says so, naming the file.
    bool write(const QString& path, const QByteArray& bytes, const QString& what);
    // Says that writing the file failed and why, and that nothing was lost.
    void showWriteProblem(const QString& path, const QString& reason, const QString& what);
    void showProblem(const QString& text);
    [[nodiscard]] QString readProblem(const session::ReadResult& result) const;
    [[nodiscard]] static QString lastFolder();

    MainWindowBase& window_;
    QMenu& menu_;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* recent_ = nullptr;
    QMenu* export_ = nullptr;
    QAction* exportReport_ = nullptr;
    QAction* exportCsv_ = nullptr;
    QAction* exportPng_ = nullptr;
    QAction* exportSvg_ = nullptr;
    QAction* exportQuestions_ = nullptr;
    QString current_;
};

} // namespace ga::qt
