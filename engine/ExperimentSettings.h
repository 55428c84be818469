#pragma once

#include "engine/QuietRun.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// The window input an experiment varies from one setting to the next, or the method.
enum class VariedSetting : std::uint8_t { Mutation, Target, Method };

// How the runs of an experiment search: the program's genetic algorithm or one of the
// yardsticks it is compared with. A setting's value is the method's place in this list.
enum class Method : std::uint8_t { GeneticAlgorithm, RandomSearch, HillClimbing };
inline constexpr std::size_t kMethodCount = 3;

// Why an experiment's settings are refused; the window words it in Turkish and the command
// line in English, each naming the field it came from.
enum class ExperimentError : std::uint8_t {
    None,
    UnknownSetting, // a varied setting other than the mutation or the target
    EmptyValues,    // no value at all
    BadNumber,      // a value or a range part that is not a finite number
    BadRange,       // a range not of the form START:END:STEP
    ZeroStep,       // a range whose step is 0
    WrongSignStep,  // a range whose step leads away from its end
    TargetRefused,  // a target "Hazırla" would refuse (not 0 < t <= 100000)
    BadRuns,        // runs per setting not a whole number from 1
    TooManyRuns,    // more than kMaxRuns runs in all
    BadLimit,       // a generation limit not a whole number from 1 to kMaxGenerationLimit
    BadSeed,        // a base seed not a whole number from 0 to 4294967295
    BadThreads,     // a thread count not a whole number from 1 to kMaxThreads
    BadMutation,    // a fixed mutation percentage that is not a number
    BadCoefficient, // a coefficient of the objective function that is not a number
    BadExponent,    // an exponent of the objective function that is not a number
    BadMethod,      // a method other than ga, random or hill
};

// Which input a refusal is about, so that the window can take the person back to its box
// and the command line can name its option.
enum class ExperimentField : std::uint8_t {
    Varied,
    Values,
    Target,
    Mutation,
    Coefficient,
    Exponent,
    Runs,
    Limit,
    Seed,
    Threads,
    Method,
};

// An experiment of more runs than this, in all, would keep a classroom machine busy for
// hours and its results would not fit in memory comfortably; it is refused up front.
inline constexpr std::uint64_t kMaxRuns = 1'000'000;
// Enough for any sensible run (the default function reaches its targets within thousands).
inline constexpr std::uint32_t kMaxGenerationLimit = 1'000'000'000;
inline constexpr unsigned kMaxThreads = 256;

// Everything an experiment runs with.
struct ExperimentSettings {
    // The window's inputs as typed, each read by the Val rule as the window reads them; the
    // varied one is replaced by each value in turn.
    RunInputs inputs;
    VariedSetting varied = VariedSetting::Mutation;
    std::vector<double> values;
    // The method of every run when it is not the varied setting.
    Method method = Method::GeneticAlgorithm;
    std::uint32_t runsPerSetting = 100;
    // A run stops when nesilSayisi, the generation the window's "Nesil" shows, reaches it.
    std::uint32_t generationLimit = 10'000;
    std::uint32_t baseSeed = 1;
    unsigned threads = 1;
};

// An experiment's settings as a person typed them, in the window's boxes or on the command
// line; what is not typed keeps its default.
struct ExperimentTexts {
    RunInputs inputs;
    std::string varied = "mutation";
    std::string values;
    std::string method = "ga";
    std::string runsPerSetting = "100";
    std::string generationLimit = "10000";
    std::string baseSeed = "1";
    std::string threads = "1";
};

// The settings read from their texts, or the first refusal and the input it is about
// (`index` is the coefficient's or exponent's place, from 0).
struct ExperimentReading {
    std::optional<ExperimentSettings> settings;
    ExperimentError error = ExperimentError::None;
    ExperimentField field = ExperimentField::Values;
    std::size_t index = 0;
};

// The values of the varied setting, or why the text gives none.
struct ValueList {
    std::vector<double> values;
    ExperimentError error = ExperimentError::None;
};

// "mutation", "target" or "method".
std::optional<VariedSetting> parseVariedSetting(std::string_view name);

// "ga", "random" or "hill", blanks around allowed; and back.
std::optional<Method> parseMethod(std::string_view name);
std::string_view methodName(Method method);

// A number typed strictly: an optional sign, digits with an optional point, an optional
// exponent, blanks around; nothing else, and nothing that is not finite. Unlike Val, which
// reads "5x" as 5 and "x" as 0, a typing slip is refused.
std::optional<double> parseNumber(std::string_view text);

// A number as typed for one of the window's boxes, without the blanks around it: the same
// syntax as parseNumber, but any size, since the run reads it with Val as the window does
// ("1e999" is an infinite coefficient there). Nothing for a text that is no number.
std::optional<std::string> numberAsTyped(std::string_view text);

// The values of a varied method: a comma-separated list of method names ("ga, random,
// hill"), each its place in Method.
ValueList parseMethods(std::string_view text);

// The values as a comma-separated list ("1, 5, 10") or a range START:END:STEP ("0:100:5"
// is 0, 5, ..., 100; the end is included when it falls on a step). A range's values are
// rounded to the decimals its start and step were typed with, so 0:1:0.1 gives 0.3, not
// 0.30000000000000004. More than `maxCount` values are refused as TooManyRuns before any
// is made.
ValueList parseValues(std::string_view text, std::uint64_t maxCount = kMaxRuns);

// The shortest text that Val and parseNumber read back as exactly `value` ("5", "0.1",
// "1e+20"), but a whole number of up to 15 digits in full ("100000", not "1e+05"), as the
// lists write it; how a number is handed to a run and written to a file.
std::string numberText(double value);

// Whether the settings can run; the first problem found otherwise. Every setting's target,
// fixed or varied, must be one "Hazırla" accepts.
ExperimentError check(const ExperimentSettings& settings);

// The one reading of an experiment's settings, for the window and the command line alike.
// Every number must be typed as a number (a slip such as "5x" is refused, not read as 5);
// the box of the varied setting is not read, its values come from `values`. The settings
// returned pass check().
ExperimentReading readExperiment(const ExperimentTexts& texts);

// The inputs of the runs of setting s (0-based): the fixed texts with the varied one
// replaced by the setting's value.
RunInputs inputsFor(const ExperimentSettings& settings, std::size_t s);
// The method of the runs of setting s (0-based).
Method methodFor(const ExperimentSettings& settings, std::size_t s);

// The seed of run k of setting s, both counted from 1 as shown:
//   mix(z) = SplitMix64's output function of z + 0x9E3779B97F4A7C15 (mod 2^64),
//   seed = low 32 bits of mix(mix(base * 2^32 + s) + k).
// Any run can be replayed alone from its seed, whatever the number of threads.
std::uint32_t runSeed(std::uint32_t baseSeed, std::uint64_t s, std::uint64_t k);

} // namespace ga
