#pragma once

#include "engine/History.h"
#include "engine/Run.h"
#include "form/window/Batch.h"
#include "form/window/FormState.h"
#include "form/window/ReportLog.h"
#include "form/window/WindowOps.h"
#include "runtime/Random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ga {

// The timer period for a speed: 1000 / speed milliseconds to the nearest whole number,
// kept within 1 ms .. one day. A speed that is not a positive number gives the period of
// the recommended speed 8, so a slip of the keyboard never stalls or floods the window.
int timerPeriodFor(double speed);

// The program's one window as its logic sees it: every handler and the two procedures of
// the results panel, showing one run. The run does the genetic algorithm and says what
// happened as a record; Form1 reads the boxes when a handler needs them, passes what it
// read to the run, renders the record into list lines, report lines, panel texts, colour
// squares and chart points, and hands each handler's changes to the window as one batch.
class Form1 {
  public:
    // decimalSeparator is the locale's, read once at start-up; list lines use it.
    Form1(WindowOps& ops, RandomSource& random, std::string decimalSeparator = ".");

    // Handlers, each run to its end on the window's thread.
    void Form_Load();
    void Command1_Click(); // "Hazırla"
    void Command2_Click(); // "Başlat"
    void Command3_Click(); // "Durdur"
    void Command4_Click(); // "Sıfırla"
    void hk_Click();       // "Hakkında"
    void cs_Click();       // "Çıkış"
    void Timer1_Timer();   // one generation

    // What the window shows of the run's state: whether "Başlat" is usable and whether the
    // timer runs. Only the handlers change them.
    [[nodiscard]] bool startEnabled() const { return startEnabled_; }
    [[nodiscard]] bool timerEnabled() const { return timerEnabled_; }

    // The run the window shows: its arrays, run-wide values, seed, records and history.
    [[nodiscard]] const Run& run() const { return run_; }
    // A fixed seed replaces the clock's whenever the generator is reseeded (at load and by
    // "Sıfırla"), so that "Sıfırla", "Hazırla", "Başlat" replays a run.
    [[nodiscard]] std::optional<std::uint32_t> fixedSeed() const { return fixedSeed_; }
    // Fixes the seed (or goes back to the clock with nothing) and reseeds the generator now,
    // so the next "Hazırla" draws from it. Nothing on the window changes.
    void useSeed(std::optional<std::uint32_t> fixed);
    // Fixes the seed the load handler will use, before the window is loaded.
    void fixSeed(std::uint32_t seed) { fixedSeed_ = seed; }

    // "Bir nesil ilerlet": one generation, exactly as one tick of Timer1, whenever "Başlat"
    // is usable and the timer is off; otherwise nothing.
    void stepOnce();
    [[nodiscard]] bool canStep() const { return startEnabled_ && !timerEnabled_; }

    // The mutation percentage and the target a generation made now would use, read from
    // the boxes exactly as a tick reads them, so that a look ahead steps with the same.
    struct StepInputs {
        double mutationPercent = 0;
        double target = 0;
    };
    [[nodiscard]] StepInputs nextStepInputs() const;

    // Shows the window's own texts (status line, list lines) again in the language now in
    // use; the report log keeps the lines it has.
    void retranslate();

    // The memory the run's history may take (its defaults otherwise); clears it, so it
    // applies from the next "Hazırla".
    void setHistoryLimits(const HistoryLimits& limits) { run_.setHistoryLimits(limits); }
    // The report log's lines: what the window shows of it, and what a session saves.
    [[nodiscard]] const ReportLog& log() const { return log_; }

    // Everything the window holds that a saved run needs to go on exactly.
    [[nodiscard]] FormState capture() const;
    // The same without the run's parts (arrays, run-wide values, seed, generator, history)
    // and the log, which a writer reads from run() and log() in place.
    [[nodiscard]] FormState windowState() const;
    // Shows a saved state as one batch: the boxes as typed, the lists, panel, squares,
    // charts, status line and log, with the arrays, seed, generator and history it holds.
    // The timer stays off: a state saved while running comes back stopped ("Durduruldu"),
    // and "Başlat" goes on with the very generation that would have come next.
    void restore(CheckedState checked);

    // The numbers the population lists show (Gen, Sonuc, uyl), in the order shown.
    [[nodiscard]] const std::array<std::vector<double>, 3>& listValues() const {
        return listValues_;
    }

    // The decimal separator the lists are written with.
    [[nodiscard]] const std::string& decimalSeparator() const { return decimalSeparator_; }

  private:
    using Status = RunStatus;

    // Rendering of the records.
    void renderPreparation();
    void renderGeneration();
    void appendListLine(Control list, double value);
    void clearList(Control list);
    void setStatus(Status status);

    // Results panel.
    void metinler();
    void renklendir();
    void colourRow(double gene, int item);

    // Charts.
    void chartStartupScales();
    void chartTop();
    void chartRunScales();
    void chartErase();
    void chartStep(int i);
    // A Scale (and ScaleTop) on a picture box, kept as the box's system in force.
    void chartScale(Control picture, double x1, double y1, double x2, double y2);
    void chartScaleTop(Control picture, double top);
    // Keeps a circle just drawn if it can still be seen, so a saved chart shows it again.
    void keepCircle(std::size_t chart, float x, float y, Colour colour);
    void renderChart(Control picture, const ChartState& chart);
    void renderPanel();

    // The start-up sequence shared by the load handler and "Sıfırla".
    void startupSequence();
    // The seed fixed, or else the clock's now.
    [[nodiscard]] std::uint32_t startSeed() const;
    void setTimer(bool on);
    void setStart(bool on);
    // Hands the batch to the window and starts an empty one.
    void show();

    // The target is never stored: it is whatever Text1 reads now. The last text and its
    // value are remembered only to skip parsing the same text twice.
    [[nodiscard]] double target() const;

    WindowOps& ops_;
    std::string decimalSeparator_;
    Run run_;
    Batch batch_;
    ReportLog log_;
    Lines narration_; // a tick's report lines on their way into the log
    bool startEnabled_ = false;
    bool timerEnabled_ = false;
    Status status_ = Status::Waiting;
    PanelState panel_ = PanelState::Design;
    int interval_;
    // Picture1 and Picture2 as they can be drawn again; a drawing is begun anew when a
    // circle comes after the system changed.
    std::array<ChartState, 2> charts_;
    std::array<bool, 2> systemChanged_{};
    // The horizontal span, in user units, where a circle can still be seen on each box.
    std::array<std::array<double, 2>, 2> reach_{};
    // The numbers the population lists show, in the order shown.
    std::array<std::vector<double>, 3> listValues_;
    std::optional<std::uint32_t> fixedSeed_;
    mutable std::string targetText_;
    mutable double targetValue_ = 0;
};

} // namespace ga
