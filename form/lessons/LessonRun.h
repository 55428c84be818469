#pragma once

#include "engine/ExperimentSummary.h"
#include "engine/HistoryReplay.h"
#include "engine/QuietRun.h"
#include "engine/Run.h"
#include "engine/SearchSpace.h"
#include "form/lessons/Lesson.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ga {

// The run a lesson makes on the main window, made again without one: the boxes its set-ups
// type, the seed they fix, the "Sıfırla", "Hazırla" and generations its tasks press, each
// through the same Run the window drives, so that every number is the board's. The answers
// to the lesson's questions are read from it, for the lessons window and the worksheets
// alike.
class LessonRun {
  public:
    LessonRun();

    // The boxes a set-up types; with a seed, "Tohum…" and "Sıfırla" as well.
    void apply(const LessonSetUp& setUp);
    // What a task does to the run; the windows it opens change nothing. An experiment is
    // only noted, and run when a question asks about it.
    void perform(const LessonTask& task);
    // The right answer at this point of the lesson; nothing when the run cannot give it (a
    // generation no longer there, an experiment setting that reached nothing).
    std::optional<LessonAnswer> answer(const LessonQuestion& question);

    // The lesson's run after the set-ups and tasks of steps 0 .. `step`.
    static LessonRun upTo(const Lesson& lesson, std::size_t step);
    // Every step's answer (nothing for a step without a question or an answer), in one pass.
    static std::vector<std::optional<LessonAnswer>> answers(const Lesson& lesson);

    [[nodiscard]] const Run& run() const { return run_; }
    [[nodiscard]] const RunInputs& inputs() const { return inputs_; }
    [[nodiscard]] const std::string& speed() const { return speed_; }
    [[nodiscard]] std::optional<std::uint32_t> seed() const { return seed_; }
    // Whether "Başlat" is usable: after "Hazırla", until the next "Sıfırla".
    [[nodiscard]] bool prepared() const { return prepared_; }
    // The population the lists show now, or at generation `at`; nothing before "Hazırla".
    [[nodiscard]] std::optional<ListedPopulation> listed(std::optional<double> at = {});
    // The settings of the last experiment a task started.
    [[nodiscard]] const std::optional<ExperimentSettings>& experiment() const {
        return experiment_;
    }

  private:
    [[nodiscard]] double target() const;
    [[nodiscard]] double mutation() const;
    void prepare();
    // The generation that made listed population `at` (or the newest); nothing for the
    // prepared one or a generation not held.
    [[nodiscard]] const GenerationRecord* recordAt(std::optional<double> at);
    std::optional<double> quantity(Quantity q, std::optional<double> at);
    const std::vector<SettingSummary>& summaries();
    const SearchSpace& space();

    RunInputs inputs_;
    std::string speed_ = "8";
    std::optional<std::uint32_t> seed_;
    Run run_;
    bool prepared_ = false;
    HistoryReplay replay_;
    std::optional<ExperimentSettings> experiment_;
    std::optional<std::vector<SettingSummary>> summaries_;
    std::unique_ptr<SearchSpace> space_;
};

} // namespace ga
