#include "tests/support/RecordingOps.h"

#include "form/window/ControlTable.h"

namespace ga::test {

namespace {

std::size_t at(Control c) {
    return static_cast<std::size_t>(c);
}

} // namespace

RecordingOps::RecordingOps() {
    for (const ControlRow& row : controlTable()) {
        texts[at(row.id)] = row.text;
        enabled[at(row.id)] = (row.flags & kDisabled) == 0;
    }
    interval = kTimerStartInterval;
}

std::string RecordingOps::text(Control box) const {
    return texts[at(box)];
}

void RecordingOps::setText(Control box, std::string_view text) {
    texts[at(box)] = text;
}

void RecordingOps::apply(const Batch& batch) {
    ++batches;
    for (Control c : kPopulationLists) {
        const ListChange& change = batch.list(c);
        auto& list = lists[at(c)];
        if (change.cleared) {
            list.clear();
        }
        list.insert(list.end(), change.lines.begin(), change.lines.end());
    }
    for (const TextChange& change : batch.texts) {
        texts[at(change.control)] = change.text;
    }
    for (const SquareChange& change : batch.squares) {
        backColors[at(change.square)] =
            change.colour == kNoColour ? std::nullopt : std::optional<Colour>(change.colour);
        squareDigits[at(change.square)] = change.digit;
    }
    for (const ChartCommand& c : batch.chart) {
        ChartScale& scale = scales[at(c.picture)];
        switch (c.kind) {
        case ChartCommand::Kind::Scale:
            scale = ChartScale{c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1};
            break;
        case ChartCommand::Kind::ScaleTop:
            scale.top = c.y1;
            break;
        case ChartCommand::Kind::Cls:
            std::erase_if(circles, [&](const Circle& d) { return d.picture == c.picture; });
            break;
        case ChartCommand::Kind::Refresh:
            break;
        case ChartCommand::Kind::Circle:
            if (recordCircles) {
                circles.push_back({c.picture, static_cast<float>(c.x1), static_cast<float>(c.y1),
                                   c.x2, c.colour});
            }
            break;
        }
    }
    for (const EnabledChange& change : batch.enabled) {
        enabled[at(change.control)] = change.enabled;
    }
    if (batch.interval) {
        interval = *batch.interval;
    }
    messages.insert(messages.end(), batch.messages.begin(), batch.messages.end());
    beeps += batch.beep ? 1 : 0;
    if (batch.unload) {
        unloaded = true;
        enabled[at(Control::Timer1)] = false;
    }
}

void RecordingOps::forgetOutput() {
    for (auto& l : lists) {
        l.clear();
    }
    circles.clear();
}

float ScriptedRandom::rnd() {
    ++calls;
    if (!script_.empty()) {
        const float v = script_.front();
        script_.pop_front();
        return v;
    }
    return fallback_.rnd();
}

void ScriptedRandom::seed(std::uint32_t seed) {
    seeds.push_back(seed);
    fallback_.seed(seed);
}

void ScriptedRandom::script(std::initializer_list<float> values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

void ScriptedRandom::script(const std::vector<float>& values) {
    script_.insert(script_.end(), values.begin(), values.end());
}

} // namespace ga::test
