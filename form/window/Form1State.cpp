#include "form/window/ControlTable.h"
#include "form/window/Form1.h"

namespace ga {

namespace {

constexpr Control kPanelBoxes[] = {Control::nesil, Control::tmut, Control::teni,
                                   Control::teni2, Control::tenk, Control::tenk2};
constexpr Colour kWhite = 0xFFFFFF;

} // namespace

FormState Form1::capture() const {
    FormState s = windowState();
    s.population = run_.population();
    s.module1 = run_.module1();
    s.seed = run_.seed();
    s.randomState = run_.generatorState();
    s.history = run_.history().data();
    s.log = log_.lines();
    return s;
}

FormState Form1::windowState() const {
    FormState s;
    for (std::size_t i = 0; i < kTypedBoxCount; ++i) {
        s.boxes[i] = ops_.text(kTypedBoxes[i]);
    }
    s.fixedSeed = fixedSeed_;
    s.startEnabled = startEnabled_;
    s.running = timerEnabled_;
    s.status = status_;
    s.interval = interval_;
    s.panel = panel_;
    s.lists = listValues_;
    s.charts = charts_;
    return s;
}

void Form1::renderPanel() {
    switch (panel_) {
    case PanelState::Design:
        for (Control c : kPanelBoxes) {
            batch_.setText(c, controlRow(c).text);
        }
        for (int item = 0; item <= 1; ++item) {
            for (int position = 1; position <= 5; ++position) {
                batch_.squares.push_back({colourSquare(position, item), kNoColour, {}});
            }
        }
        break;
    case PanelState::Cleared:
        // As "Sıfırla" leaves it.
        batch_.setText(Control::nesil, "1");
        for (Control c : kPanelBoxes) {
            if (c != Control::nesil) {
                batch_.setText(c, " ");
            }
        }
        for (int item = 0; item <= 1; ++item) {
            for (int position = 1; position <= 5; ++position) {
                batch_.squares.push_back({colourSquare(position, item), kWhite, {}});
            }
        }
        break;
    case PanelState::Shown:
        metinler();
        break;
    }
}

void Form1::restore(CheckedState checked) {
    FormState& s = checked.state_;
    for (std::size_t i = 0; i < kTypedBoxCount; ++i) {
        batch_.setText(kTypedBoxes[i], s.boxes[i]);
    }
    // The window's generator takes the saved one's state with the rest of the run.
    run_ = std::move(checked.run_);
    fixedSeed_ = s.fixedSeed;

    setTimer(false);
    setStart(s.startEnabled);
    interval_ = s.interval;
    batch_.interval = interval_;
    setStatus(s.running ? Status::Stopped : s.status);

    for (std::size_t k = 0; k < s.lists.size(); ++k) {
        clearList(kPopulationLists[k]);
        for (double value : s.lists[k]) {
            appendListLine(kPopulationLists[k], value);
        }
    }
    panel_ = s.panel;
    renderPanel();
    renderChart(Control::Picture1, s.charts[0]);
    renderChart(Control::Picture2, s.charts[1]);

    log_.assign(s.log);
    batch_.logChanged = true;
    show();
}

} // namespace ga
