#pragma once

#include "engine/Experiment.h"
#include "engine/QuietRun.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTimer;

namespace ga::qt {

class RunsModel;
class SpreadChart;
class SummaryModel;

// "Deney": many runs of the main window's algorithm, or of a yardstick it is compared with,
// for each value of one setting, on every core, with a table and a chart of how the runs ended. The
// runs go on in worker threads; this window looks at their progress on its own display clock and
// never waits for them, so it and the main window stay responsive.
class ExperimentWindow : public QWidget {
    Q_OBJECT

  public:
    // Loads a run into the main window so that it replays there: its inputs and its seed.
    using OpenRun = std::function<void(const RunInputs& inputs, std::uint32_t seed)>;

    // `mainInputs` reads the main window's boxes: the starting point, and what "Ana
    // pencereden al" takes again. `openRun` is what "Ana pencerede aç" does with the run
    // chosen in the runs table.
    ExperimentWindow(std::function<RunInputs()> mainInputs, OpenRun openRun,
                     std::string decimalSeparator, QWidget* parent = nullptr);
    ~ExperimentWindow() override;

    // The commands, as the buttons give them.
    void start();
    void cancel();
    // Takes the main window's inputs again and types a plan into the boxes, as a person
    // would before "Başlat" (the lessons' experiments).
    void typePlan(VariedSetting varied, const QString& values, std::uint32_t runs,
                  std::uint32_t limit, std::uint32_t seed);
    // Writes the per-run or the summary CSV to `path`; false (with a message) on failure.
    bool exportRunsTo(const QString& path);
    bool exportSummaryTo(const QString& path);

    [[nodiscard]] bool running() const;
    // The last experiment, running or ended; null before the first.
    [[nodiscard]] const Experiment* experiment() const { return experiment_.get(); }
    [[nodiscard]] const SummaryModel& summary() const { return *summaryModel_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildForm();
    // Every text of the window in the language in use.
    void retranslate();
    // Shows a status line that follows the language: `text` says it again after a switch.
    void setStatus(std::function<QString()> text);
    void takeMainInputs();
    void variedChanged();
    // The settings from the boxes, or a message and the focus on the box at fault.
    std::optional<ExperimentSettings> readSettings();
    void refuse(QWidget* box, ExperimentError error);
    void poll();
    void finish();
    void showProgress();
    void chooseFile(bool runs);
    bool writeCsv(const QString& path, bool runs);
    void showMessage(const QString& text);
    void setRunning(bool running);
    // "Ana pencerede aç" is usable while a run is chosen and no experiment runs.
    void updateOpenInMain();
    // The method that made run `row` of the runs table.
    [[nodiscard]] Method methodOf(int row) const;
    // Hands run `row` of the runs table to the main window.
    void openRun(int row);

    std::function<RunInputs()> mainInputs_;
    OpenRun openRun_;
    std::string separator_;

    QGroupBox* functionBox_ = nullptr;
    QGroupBox* inputsBox_ = nullptr;
    QGroupBox* planBox_ = nullptr;
    QLabel* coefficientLabel_ = nullptr;
    QLabel* exponentLabel_ = nullptr;
    QWidget* chartPage_ = nullptr;
    std::array<QLineEdit*, 5> coefficients_{};
    std::array<QLineEdit*, 5> exponents_{};
    QLineEdit* target_ = nullptr;
    QLineEdit* mutation_ = nullptr;
    QPushButton* fromMain_ = nullptr;
    QComboBox* varied_ = nullptr;
    // The method of every run while the method is not what varies.
    QComboBox* method_ = nullptr;
    QLineEdit* values_ = nullptr;
    QLineEdit* runs_ = nullptr;
    QLineEdit* limit_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QSpinBox* threads_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* progressText_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* summaryView_ = nullptr;
    QTableView* runsView_ = nullptr;
    SpreadChart* chart_ = nullptr;
    QCheckBox* logarithmic_ = nullptr;
    QPushButton* exportRuns_ = nullptr;
    QPushButton* exportSummary_ = nullptr;
    QPushButton* openInMain_ = nullptr;
    SummaryModel* summaryModel_ = nullptr;
    RunsModel* runsModel_ = nullptr;
    QTimer* clock_ = nullptr;

    std::unique_ptr<Experiment> experiment_;
    std::function<QString()> status_;
    QElapsedTimer elapsed_;
    bool cancelled_ = false;
};

} // namespace ga::qt
