#pragma once

#include "cli/Translations.h"
#include "engine/Prediction.h"
#include "engine/QuietRun.h"
#include "form/texts/Messages.h"
#include "form/window/Controls.h"
#include "qt/main/MainWindowBase.h"
#include "qt/main/QtWindowOps.h"
#include "qt/main/TickTimer.h"
#include "runtime/Random.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QActionGroup;
class QMenu;

namespace ga {
struct ControlRow;
class Form1;
} // namespace ga

namespace ga::qt {

class ExperimentWindow;
class LessonsWindow;
class SearchSpaceWindow;
class FileMenu;
class HistoryWindow;
class PredictionWindow;
class PresentationMode;

// The program's one window: the controls built from the control table, the menu, the
// timer, and the logic (Form1) that every click, menu item and tick is handed to.
class MainWindow : public MainWindowBase {
    Q_OBJECT

  public:
    // decimalSeparator is the locale's, read once at start-up; the list lines use it. A
    // seed given here is fixed from the start (the command line's --seed). The window
    // speaks `language` until the user chooses another in "Araçlar" → "Dil".
    explicit MainWindow(const std::string& decimalSeparator,
                        std::optional<std::uint32_t> seed = std::nullopt,
                        Language language = Language::Turkish, QWidget* parent = nullptr);
    ~MainWindow() override;

    using MainWindowBase::control;
    [[nodiscard]] QWidget* control(Control id) const override;
    [[nodiscard]] TickTimer* timer() const override { return timer_; }
    [[nodiscard]] Form1& form() const override { return *form_; }
    [[nodiscard]] QtWindowOps& ops() const { return *ops_; }
    // "Araçlar" → "Geçmiş…": opens the history window beside this one, or brings it up.
    void showHistory() override;
    [[nodiscard]] HistoryWindow* historyWindow() const override { return history_; }
    // "Araçlar" → "Arama uzayı…": every five-digit gene under the boxes' function, beside.
    void showSearchSpace() override;
    [[nodiscard]] SearchSpaceWindow* searchSpaceWindow() const override { return searchSpace_; }
    // "Çalışma" → "Tahmin modu": questions before each generation in a window beside.
    void setPredictionMode(bool on) override;
    // The prediction mode and its score, as a session keeps them, and back.
    [[nodiscard]] PredictionState predictionState() const override;
    void restorePrediction(const PredictionState& state) override;
    [[nodiscard]] PredictionWindow* predictionWindow() const { return prediction_; }
    // "Araçlar" → "Deney…": the experiment window beside this one, made on first use.
    ExperimentWindow& showExperiment() override;
    // "Araçlar" → "Dersler…": the lessons window beside this one, made on first use.
    void showLessons();
    [[nodiscard]] LessonsWindow* lessonsWindow() const { return lessons_; }
    // `count` generations as "Bir nesil ilerlet" makes them, while it is usable, shown once
    // at the end.
    void stepGenerations(std::uint32_t count) override;

    // Shows at once what the last tick changed; ticks show their changes once a frame.
    // Clicks and menu items show theirs before they return.
    void flushDisplay() override;

    // Switches the program to another language at once, and remembers the choice.
    void switchLanguage(Language language);

    // The function, target and mutation as typed in the boxes now.
    [[nodiscard]] RunInputs typedInputs() const override;

    // "Dosya": sessions and exports.
    [[nodiscard]] FileMenu& files() const { return *files_; }

    // Places every control of the table at `scale` times its designed rectangle and font
    // size, the window's own controls offset by `origin`: scale 1 and no offset is the
    // window as designed.
    void placeControls(double scale, QPoint origin = {}) override;

    // The classroom board's full-screen mode: "Araçlar" → "Sunum modu" (F11).
    [[nodiscard]] PresentationMode& presentation() const { return *presentation_; }

    // The commands of the menus follow the run: "Başlat" as its button, "Bir nesil
    // ilerlet" while "Başlat" is usable and the timer is off.
    void updateCommands() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A session file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void makePredictionWindow();
    void buildControls(QWidget* clientArea);
    void placeControl(const ControlRow& row, double scale, QPoint origin);
    void buildMenu();
    void buildRunMenu();
    void buildToolsMenu();
    void buildLanguageMenu();
    // The texts of the menus and of the controls in the language in use.
    void retranslate();
    // "Araçlar", to the right of "Çalışma": made when the first tool is added to it.
    QMenu* toolsMenu();
    void setTabChain();
    void connectHandlers();
    // Runs a handler of the logic and shows its effect at once.
    void handle(void (Form1::*handler)());
    void stepOnce();
    void chooseSeed();
    // "Araçlar" -> "Deney…": the experiment window, made on first use beside this one.
    void addExperimentTool();
    void openExperiment();
    // "Ana pencerede aç": an experiment's run typed into the boxes, its seed fixed, and the
    // window reset, so that "Hazırla" and "Başlat" replay it exactly.
    void openRun(const RunInputs& inputs, std::uint32_t seed);

    QtWindowOps::Widgets controls_{};
    TickTimer* timer_ = nullptr;
    Random random_;
    std::unique_ptr<QtWindowOps> ops_;
    std::unique_ptr<Form1> form_;
    Translations* translations_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* about_ = nullptr;
    QAction* quit_ = nullptr;
    QMenu* run_ = nullptr;
    FileMenu* files_ = nullptr;
    QMenu* tools_ = nullptr;
    HistoryWindow* history_ = nullptr;
    QAction* historyAction_ = nullptr;
    SearchSpaceWindow* searchSpace_ = nullptr;
    QAction* searchSpaceAction_ = nullptr;
    QMenu* languages_ = nullptr;
    QActionGroup* languageGroup_ = nullptr;
    QAction* turkish_ = nullptr;
    QAction* english_ = nullptr;
    QAction* stepAction_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* stopAction_ = nullptr;
    QAction* seedAction_ = nullptr;
    QAction* predictionAction_ = nullptr;
    PredictionWindow* prediction_ = nullptr;
    QElapsedTimer sinceStep_;
    std::string decimalSeparator_;
    ExperimentWindow* experiment_ = nullptr;
    QAction* experimentAction_ = nullptr;
    LessonsWindow* lessons_ = nullptr;
    QAction* lessonsAction_ = nullptr;
    PresentationMode* presentation_ = nullptr;
};

} // namespace ga::qt
