#include "form/window/Batch.h"

namespace ga {

std::string& Lines::add() {
    if (used_ == lines_.size()) {
        lines_.emplace_back();
    }
    std::string& line = lines_[used_++];
    line.clear();
    return line;
}

void Batch::clear() {
    for (ListChange& l : lists) {
        l.cleared = false;
        l.lines.clear();
    }
    logChanged = false;
    texts.clear();
    squares.clear();
    chart.clear();
    enabled.clear();
    interval.reset();
    messages.clear();
    beep = false;
    unload = false;
}

namespace {

std::size_t listIndex(Control c) {
    return c == Control::Gen ? 0 : c == Control::Sonuc ? 1 : 2;
}

} // namespace

ListChange& Batch::list(Control c) {
    return lists[listIndex(c)];
}

const ListChange& Batch::list(Control c) const {
    return lists[listIndex(c)];
}

void Batch::setText(Control c, std::string_view text) {
    texts.push_back({c, std::string(text)});
}

void Batch::circle(Control picture, float x, float y, double radius, Colour colour) {
    chart.push_back({ChartCommand::Kind::Circle, picture, x, y, radius, 0, colour});
}

} // namespace ga
