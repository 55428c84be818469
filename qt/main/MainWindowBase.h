#pragma once

#include "engine/Prediction.h"
#include "engine/QuietRun.h"
#include "form/window/Controls.h"

#include <QMainWindow>
#include <QPoint>

#include <cstdint>

namespace ga {
class Form1;
} // namespace ga

namespace ga::qt {

class ExperimentWindow;
class HistoryWindow;
class SearchSpaceWindow;
class TickTimer;

// What the parts the main window owns (the File menu, the presentation mode, the lessons
// window) may ask of it. They see this, not the window itself, so that the window and its
// parts do not depend on each other.
class MainWindowBase : public QMainWindow {
  public:
    using QMainWindow::QMainWindow;

    [[nodiscard]] virtual QWidget* control(Control id) const = 0;
    template <class T> [[nodiscard]] T* control(Control id) const {
        return qobject_cast<T*>(control(id));
    }
    [[nodiscard]] virtual TickTimer* timer() const = 0;
    [[nodiscard]] virtual Form1& form() const = 0;
    // The function, target and mutation as typed in the boxes now.
    [[nodiscard]] virtual RunInputs typedInputs() const = 0;

    virtual void showHistory() = 0;
    [[nodiscard]] virtual HistoryWindow* historyWindow() const = 0;
    virtual void showSearchSpace() = 0;
    [[nodiscard]] virtual SearchSpaceWindow* searchSpaceWindow() const = 0;
    virtual ExperimentWindow& showExperiment() = 0;
    virtual void setPredictionMode(bool on) = 0;
    [[nodiscard]] virtual PredictionState predictionState() const = 0;
    virtual void restorePrediction(const PredictionState& state) = 0;

    // `count` generations as "Bir nesil ilerlet" makes them, shown once at the end.
    virtual void stepGenerations(std::uint32_t count) = 0;
    // Shows at once what the last tick changed.
    virtual void flushDisplay() = 0;
    // The menus' commands follow the run.
    virtual void updateCommands() = 0;
    // Every control of the table at `scale` times its designed rectangle and font size.
    virtual void placeControls(double scale, QPoint origin) = 0;
};

} // namespace ga::qt
