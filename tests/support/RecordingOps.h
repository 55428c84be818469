#pragma once

#include "form/window/Batch.h"
#include "form/window/ChartMath.h"
#include "form/window/WindowOps.h"
#include "runtime/Random.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ga::test {

// A window that shows what a person would see, for tests and benchmarks: its boxes,
// labels and buttons start in their design-time state from the control table, every batch
// is applied as the real window applies it, and a test reads back the lists, texts,
// circles, colours and message boxes (the report log is Form1's own). A test types into a
// box with setText.
class RecordingOps : public WindowOps {
  public:
    struct Circle {
        Control picture;
        float x;
        float y;
        double radius;
        Colour colour;
    };

    RecordingOps();

    [[nodiscard]] std::string text(Control box) const override;
    void apply(const Batch& batch) override;
    float secondsSinceMidnight() override { return clock; }

    // Types into a box, as a person would.
    void setText(Control box, std::string_view text);

    [[nodiscard]] const std::vector<std::string>& list(Control c) const {
        return lists[static_cast<std::size_t>(c)];
    }
    [[nodiscard]] bool isEnabled(Control c) const { return enabled[static_cast<std::size_t>(c)]; }
    [[nodiscard]] const ChartScale& chartScale(Control c) const {
        return scales[static_cast<std::size_t>(c)];
    }
    [[nodiscard]] std::optional<Colour> backColor(Control c) const {
        return backColors[static_cast<std::size_t>(c)];
    }
    // Empties the lists and the record of circles (the benchmark's reset).
    void forgetOutput();

    std::array<std::string, kControlCount> texts;
    std::array<std::vector<std::string>, kControlCount> lists;
    std::array<bool, kControlCount> enabled{};
    std::array<ChartScale, kControlCount> scales{};
    std::array<std::optional<Colour>, kControlCount> backColors{};
    std::array<std::string, kControlCount> squareDigits;
    std::vector<Circle> circles;
    std::vector<std::string> messages;
    int interval = 0;
    int beeps = 0;
    int batches = 0;
    bool unloaded = false;
    bool recordCircles = true;
    float clock = 0;
};

// Rnd for tests: the scripted values first, in order, then a generator seeded like the
// program's. It remembers every seed it was given.
class ScriptedRandom : public RandomSource {
  public:
    float rnd() override;
    void seed(std::uint32_t seed) override;
    // The generator's state behind the script; scripted values still waiting are not part
    // of it.
    [[nodiscard]] std::string state() const override { return fallback_.state(); }
    bool setState(std::string_view text) override { return fallback_.setState(text); }

    void script(std::initializer_list<float> values);
    void script(const std::vector<float>& values);

    std::vector<std::uint32_t> seeds;
    int calls = 0;

  private:
    std::deque<float> script_;
    Random fallback_;
};

} // namespace ga::test
