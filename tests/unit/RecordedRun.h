#pragma once

#include "engine/HistoryReplay.h"
#include "tests/unit/FormHarness.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ga::test {

// A run of the window's logic on the recording window, long enough to cross the history's
// checkpoints and chunks, with the target and the mutation percentage typed anew on the
// way (an unreachable target, one the run can reach, no number at all, an infinite one).
// It keeps every generation's record and, for some of them, what the window showed: the
// three lists and the tick's report lines.
struct RecordedRun {
    struct Shown {
        std::vector<std::string> genes;
        std::vector<std::string> values;
        std::vector<std::string> fitness;
        std::vector<std::string> report;
    };

    explicit RecordedRun(int generations, std::string separator = ",") : h(std::move(separator)) {
        const std::map<int, std::pair<Control, std::string>> typing{
            {300, {Control::Text3, "100"}},   {900, {Control::Text1, "500"}},
            {1400, {Control::Text1, "abc"}},  {1500, {Control::Text1, "1e999"}},
            {1530, {Control::Text3, "37.5"}}, {1600, {Control::Text1, "100000"}},
            {4100, {Control::Text3, "0"}},    {4200, {Control::Text3, "60"}},
        };
        h.ops.clock = 4321.5F;
        h.ops.setText(Control::Text1, "100000");
        h.ops.setText(Control::Text3, "20");
        h.form.Form_Load();
        h.form.Command1_Click();
        h.form.Command2_Click();
        prepared = h.form.run().preparation();
        records.resize(1);
        listed.push_back({prepared.genes, prepared.values, prepared.fitness});
        shown[0] = {
            h.ops.list(Control::Gen), h.ops.list(Control::Sonuc), h.ops.list(Control::uyl), {}};
        for (int g = 1; g <= generations; ++g) {
            if (const auto it = typing.find(g); it != typing.end()) {
                h.ops.setText(it->second.first, it->second.second);
            }
            const std::uint64_t firstOfTick = h.log().next();
            h.form.Timer1_Timer();
            records.push_back(h.form.run().record());
            const GenerationRecord& r = records.back();
            listed.push_back({r.genes, r.values, r.fitness});
            if (g % 97 == 0 || g % 256 <= 1 || g % 256 == 255 || g > generations - 3) {
                shown[static_cast<std::uint64_t>(g)] = {
                    h.ops.list(Control::Gen),
                    h.ops.list(Control::Sonuc),
                    h.ops.list(Control::uyl),
                    {h.log().end() - static_cast<std::ptrdiff_t>(h.log().next() - firstOfTick),
                     h.log().end()}};
            }
        }
    }

    FormHarness h;
    PreparationRecord prepared;
    // records[i] made listed population i (records[0] is unused: "Hazırla" made it).
    std::vector<GenerationRecord> records;
    std::vector<ListedPopulation> listed;
    std::map<std::uint64_t, Shown> shown;
};

} // namespace ga::test
