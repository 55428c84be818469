#pragma once

#include "ui/ChartMath.h"
#include "ui/Random.h"
#include "ui/WindowOps.h"

#include <array>
#include <cstddef>
#include <deque>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace ga::testing {

// A window that remembers everything done to it, for tests and benchmarks. Its boxes
// start with the window's design-time texts; a test types into them through setText
// or `texts`, scripts Rnd with scriptRnd, and reads back lists, circles, colours,
// message boxes and, when recordCalls is on, the order of every operation.
class RecordingOps : public WindowOps {
  public:
    struct CircleCall {
        Control picture;
        float x;
        float y;
        double radius;
        Colour colour;
    };

    RecordingOps();

    std::string text(Control box) const override;
    void setText(Control box, std::string_view text) override;
    void setCaption(Control label, std::string_view caption) override;
    void addItem(Control list, std::string_view line) override;
    void clear(Control list) override;
    void setEnabled(Control control, bool enabled) override;
    void setInterval(Control timer, int milliseconds) override;
    void scale(Control picture, double x1, double y1, double x2, double y2) override;
    void setScaleTop(Control picture, float y) override;
    void cls(Control picture) override;
    void refresh(Control picture) override;
    void circle(Control picture, float x, float y, double radius, Colour colour) override;
    void setBackColor(Control square, Colour colour) override;
    void setSquareDigit(Control square, std::string_view digit) override;
    void msgBox(std::string_view text) override;
    void beep() override;
    void unload() override;
    float secondsSinceMidnight() override;
    float rnd() override;
    void randomize(float seed) override;

    // Rnd returns these values first, in order, then falls back to a seeded generator.
    void scriptRnd(std::initializer_list<float> values);
    void scriptRnd(const std::vector<float>& values);

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
    // Empties the lists and the record of circles and calls (the benchmark's reset).
    void forgetOutput();

    std::array<std::string, kControlCount> texts;
    std::array<std::vector<std::string>, kControlCount> lists;
    std::array<bool, kControlCount> enabled{};
    std::array<ChartScale, kControlCount> scales{};
    std::array<std::optional<Colour>, kControlCount> backColors{};
    std::array<std::string, kControlCount> squareDigits;
    std::vector<CircleCall> circles;
    std::vector<std::string> messages;
    std::vector<float> seeds;
    std::vector<std::string> calls; // "name control argument", when recordCalls is on
    int interval = 200;
    int beeps = 0;
    int rndCalls = 0;
    bool unloaded = false;
    bool recordCalls = true;
    bool recordCircles = true;
    float clock = 0;
    // Lists keep at most this many lines (the newest), like the real report log.
    std::size_t listLimit = std::numeric_limits<std::size_t>::max();

  private:
    void record(std::string_view op, Control c, std::string_view arg = {});
    void keepBuffer(std::string& line);

    static constexpr std::size_t kShortLine = 15;

    // Lines taken off a list keep their buffers here for the next lines, so that a long
    // benchmark measures the program rather than the allocator.
    std::vector<std::string> spare_;
    std::deque<float> script_;
    Random fallback_;
};

} // namespace ga::testing
