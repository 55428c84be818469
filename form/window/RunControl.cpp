#include "form/texts/Messages.h"
#include "form/window/Form1.h"

namespace ga {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

} // namespace

std::uint32_t Form1::startSeed() const {
    return fixedSeed_ ? *fixedSeed_ : clockSeed(ops_.secondsSinceMidnight());
}

void Form1::startupSequence() {
    chartStartupScales();
    // The best record starts from the target the box holds now.
    run_.start(startSeed(), target());
}

void Form1::useSeed(std::optional<std::uint32_t> fixed) {
    fixedSeed_ = fixed;
    run_.reseed(startSeed());
}

void Form1::stepOnce() {
    if (canStep()) {
        Timer1_Timer();
    }
}

void Form1::Form_Load() {
    startupSequence();
    show();
}

void Form1::Command2_Click() {
    setTimer(true);
    setStatus(Status::Started);
    chartRunScales();
    show();
}

void Form1::Command3_Click() {
    setStatus(Status::Stopped);
    setTimer(false);
    show();
}

void Form1::Command4_Click() {
    // A tick after a reset would breed into the emptied lists, so the reset also stops
    // the timer: the window returns to the state of a fresh load.
    setTimer(false);

    for (Control list : kPopulationLists) {
        clearList(list);
    }
    log_.clear();
    batch_.logChanged = true;

    batch_.setText(Control::nesil, "1");
    for (Control c :
         {Control::tmut, Control::teni, Control::teni2, Control::tenk, Control::tenk2}) {
        batch_.setText(c, " ");
    }

    startupSequence();
    chartErase();

    for (int item = 0; item <= 1; ++item) {
        for (int position = 1; position <= 5; ++position) {
            batch_.squares.push_back({colourSquare(position, item), kWhite, {}});
        }
    }

    panel_ = PanelState::Cleared;
    setStart(false);
    setStatus(Status::Reset);
    show();
}

void Form1::hk_Click() {
    batch_.messages.emplace_back(messages().about);
    show();
}

void Form1::cs_Click() {
    // The only window closes and the program ends; a running timer ends with it.
    timerEnabled_ = false;
    batch_.unload = true;
    show();
}

} // namespace ga
