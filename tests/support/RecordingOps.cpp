#include "tests/support/RecordingOps.h"

#include <string>

namespace ga::testing {

namespace {

std::size_t at(Control c) {
    return static_cast<std::size_t>(c);
}

} // namespace

RecordingOps::RecordingOps() {
    enabled.fill(true);
    enabled[at(Control::Command2)] = false;
    enabled[at(Control::Timer1)] = false;
    texts[at(Control::Text1)] = "277";
    texts[at(Control::Text2)] = "20";
    texts[at(Control::Text3)] = "5";
    texts[at(Control::Text4)] = "8";
    for (Control c : {Control::ta, Control::tb, Control::tc, Control::td, Control::te}) {
        texts[at(c)] = "1";
    }
    texts[at(Control::pa)] = "3";
    texts[at(Control::pb)] = "2";
    texts[at(Control::pc)] = "2";
    texts[at(Control::pd)] = "1";
    texts[at(Control::pe)] = "1";
    texts[at(Control::nesil)] = "1";
    texts[at(Control::tmut)] = "0";
    for (Control c : {Control::teni, Control::teni2, Control::tenk, Control::tenk2}) {
        texts[at(c)] = "-";
    }
    texts[at(Control::status)] = "Bekliyor...";
}

void RecordingOps::record(std::string_view op, Control c, std::string_view arg) {
    if (!recordCalls) {
        return;
    }
    std::string s(op);
    if (c != Control::Count) {
        s += ' ';
        s += controlName(c);
    }
    if (!arg.empty()) {
        s += ' ';
        s += arg;
    }
    calls.push_back(std::move(s));
}

std::string RecordingOps::text(Control box) const {
    return texts[at(box)];
}

void RecordingOps::setText(Control box, std::string_view text) {
    texts[at(box)] = text;
    record("text", box, text);
}

void RecordingOps::setCaption(Control label, std::string_view caption) {
    texts[at(label)] = caption;
    record("caption", label, caption);
}

void RecordingOps::addItem(Control list, std::string_view line) {
    auto& l = lists[at(list)];
    if (l.size() >= listLimit && !l.empty()) {
        keepBuffer(l.front());
        l.erase(l.begin());
    }
    // Short lines live inside the string itself; only long ones are worth a spare buffer.
    if (line.size() > kShortLine && !spare_.empty()) {
        l.push_back(std::move(spare_.back()));
        spare_.pop_back();
        l.back().assign(line);
    } else {
        l.emplace_back(line);
    }
    record("addItem", list, line);
}

void RecordingOps::clear(Control list) {
    auto& l = lists[at(list)];
    for (auto& line : l) {
        keepBuffer(line);
    }
    l.clear();
    record("clear", list);
}

void RecordingOps::keepBuffer(std::string& line) {
    if (line.capacity() > kShortLine) {
        spare_.push_back(std::move(line));
    }
}

void RecordingOps::setEnabled(Control control, bool on) {
    enabled[at(control)] = on;
    record("enabled", control, on ? "1" : "0");
}

void RecordingOps::setInterval(Control timer, int milliseconds) {
    interval = milliseconds;
    record("interval", timer, std::to_string(milliseconds));
}

void RecordingOps::scale(Control picture, double x1, double y1, double x2, double y2) {
    scales[at(picture)] = ChartScale{x1, y1, x2 - x1, y2 - y1};
    record("scale", picture);
}

void RecordingOps::setScaleTop(Control picture, float y) {
    scales[at(picture)].top = y;
    record("scaleTop", picture);
}

void RecordingOps::cls(Control picture) {
    record("cls", picture);
}

void RecordingOps::refresh(Control picture) {
    record("refresh", picture);
}

void RecordingOps::circle(Control picture, float x, float y, double radius, Colour colour) {
    if (recordCircles) {
        circles.push_back(CircleCall{picture, x, y, radius, colour});
    }
    record("circle", picture);
}

void RecordingOps::setBackColor(Control square, Colour colour) {
    backColors[at(square)] = colour;
    if (recordCalls) {
        record("backColor", square, std::to_string(colour));
    }
}

void RecordingOps::setSquareDigit(Control square, std::string_view digit) {
    squareDigits[at(square)] = digit;
    record("digit", square, digit);
}

void RecordingOps::msgBox(std::string_view text) {
    messages.emplace_back(text);
    record("msgBox", Control::Count, text);
}

void RecordingOps::beep() {
    ++beeps;
    record("beep", Control::Count);
}

void RecordingOps::unload() {
    unloaded = true;
    record("unload", Control::Count);
}

float RecordingOps::secondsSinceMidnight() {
    return clock;
}

float RecordingOps::rnd() {
    ++rndCalls;
    if (!script_.empty()) {
        const float v = script_.front();
        script_.pop_front();
        return v;
    }
    return fallback_.next();
}

void RecordingOps::randomize(float seed) {
    seeds.push_back(seed);
    fallback_.seed(seed);
    record("randomize", Control::Count);
}

void RecordingOps::scriptRnd(std::initializer_list<float> values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

void RecordingOps::scriptRnd(const std::vector<float>& values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

void RecordingOps::forgetOutput() {
    for (auto& l : lists) {
        for (auto& line : l) {
            keepBuffer(line);
        }
        l.clear();
    }
    circles.clear();
    calls.clear();
}

} // namespace ga::testing
