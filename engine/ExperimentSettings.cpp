#include "engine/ExperimentSettings.h"

#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ga {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The parts of `text` between the separators, empty parts included.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

// How many decimals a plainly written number has; nothing for the exponent form, whose
// values are not rounded.
std::optional<int> decimalsOf(std::string_view text) {
    text = trimmed(text);
    if (text.find_first_of("eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// `value` rounded to `decimals` places through its decimal text, which is what a person
// typing the range meant.
double roundedTo(double value, int decimals) {
    char buffer[400];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                       std::chars_format::fixed, decimals);
    double rounded = value;
    if (written.ec == std::errc{}) {
        std::from_chars(std::begin(buffer), written.ptr, rounded);
    }
    return rounded;
}

ValueList rangeValues(std::string_view text, std::uint64_t maxCount) {
    ValueList list;
    const std::vector<std::string_view> parts = split(text, ':');
    if (parts.size() != 3) {
        list.error = ExperimentError::BadRange;
        return list;
    }
    const auto start = parseNumber(parts[0]);
    const auto end = parseNumber(parts[1]);
    const auto step = parseNumber(parts[2]);
    if (!start || !end || !step) {
        list.error = ExperimentError::BadNumber;
        return list;
    }
    if (*step == 0) {
        list.error = ExperimentError::ZeroStep;
        return list;
    }
    if ((*end - *start) * *step < 0) {
        list.error = ExperimentError::WrongSignStep;
        return list;
    }
    // A step that lands on the end within rounding error still includes it.
    const double steps = std::floor((*end - *start) / *step + 1e-9);
    if (!std::isfinite(steps) || steps + 1 > static_cast<double>(maxCount)) {
        list.error = ExperimentError::TooManyRuns;
        return list;
    }
    std::optional<int> decimals;
    if (const auto a = decimalsOf(parts[0]), b = decimalsOf(parts[2]); a && b) {
        decimals = std::min(std::max(*a, *b), 17);
    }
    const auto count = static_cast<std::size_t>(steps) + 1;
    list.values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        double v = *start + static_cast<double>(i) * *step;
        if (decimals) {
            v = roundedTo(v, *decimals);
        } else if (std::abs(v - *end) <= 1e-9 * std::abs(*step)) {
            v = *end;
        }
        list.values.push_back(v);
    }
    return list;
}

// SplitMix64's output function, with its increment.
std::uint64_t mix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

} // namespace

std::optional<VariedSetting> parseVariedSetting(std::string_view name) {
    name = trimmed(name);
    if (name == "mutation") {
        return VariedSetting::Mutation;
    }
    if (name == "target") {
        return VariedSetting::Target;
    }
    if (name == "method") {
        return VariedSetting::Method;
    }
    return std::nullopt;
}

namespace {

constexpr std::array<std::string_view, kMethodCount> kMethodNames{"ga", "random", "hill"};

} // namespace

std::optional<Method> parseMethod(std::string_view name) {
    name = trimmed(name);
    for (std::size_t i = 0; i < kMethodNames.size(); ++i) {
        if (name == kMethodNames.at(i)) {
            return static_cast<Method>(i);
        }
    }
    return std::nullopt;
}

std::string_view methodName(Method method) {
    return kMethodNames.at(static_cast<std::size_t>(method));
}

ValueList parseMethods(std::string_view text) {
    ValueList list;
    if (trimmed(text).empty()) {
        list.error = ExperimentError::EmptyValues;
        return list;
    }
    for (const std::string_view part : split(text, ',')) {
        const auto method = parseMethod(part);
        if (!method) {
            list.values.clear();
            list.error = ExperimentError::BadMethod;
            return list;
        }
        list.values.push_back(static_cast<double>(*method));
    }
    return list;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimmed(text);
    // from_chars takes no plus sign; a person may type one.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> numberAsTyped(std::string_view text) {
    text = trimmed(text);
    std::size_t i = 0;
    const auto digits = [&text, &i] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - from;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return std::string(text);
}

ValueList parseValues(std::string_view text, std::uint64_t maxCount) {
    text = trimmed(text);
    if (text.empty()) {
        return {{}, ExperimentError::EmptyValues};
    }
    if (text.find(':') != std::string_view::npos) {
        return rangeValues(text, maxCount);
    }
    ValueList list;
    for (std::string_view part : split(text, ',')) {
        const auto value = parseNumber(part);
        if (!value) {
            return {{}, ExperimentError::BadNumber};
        }
        if (list.values.size() >= maxCount) {
            return {{}, ExperimentError::TooManyRuns};
        }
        list.values.push_back(*value);
    }
    return list;
}

std::string numberText(double value) {
    char buffer[64];
    // The shortest form would write 100000 as "1e+05"; a person reads genes and counts as
    // the lists show them, which is in full up to 15 digits.
    const bool whole = std::abs(value) < 1e15 && std::trunc(value) == value;
    const auto written =
        whole ? std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed)
              : std::to_chars(std::begin(buffer), std::end(buffer), value);
    return {std::begin(buffer), written.ptr};
}

ExperimentError check(const ExperimentSettings& settings) {
    if (settings.values.empty()) {
        return ExperimentError::EmptyValues;
    }
    if (!std::all_of(settings.values.begin(), settings.values.end(),
                     [](double v) { return std::isfinite(v); })) {
        return ExperimentError::BadNumber;
    }
    if (settings.varied == VariedSetting::Method &&
        !std::all_of(settings.values.begin(), settings.values.end(), [](double v) {
            return v >= 0 && v < static_cast<double>(kMethodCount) && std::trunc(v) == v;
        })) {
        return ExperimentError::BadMethod;
    }
    if (settings.varied == VariedSetting::Target) {
        if (!std::all_of(settings.values.begin(), settings.values.end(), acceptableTarget)) {
            return ExperimentError::TargetRefused;
        }
    } else if (!acceptableTarget(Val(settings.inputs.target))) {
        return ExperimentError::TargetRefused;
    }
    if (settings.runsPerSetting == 0) {
        return ExperimentError::BadRuns;
    }
    if (settings.values.size() * std::uint64_t{settings.runsPerSetting} > kMaxRuns) {
        return ExperimentError::TooManyRuns;
    }
    if (settings.generationLimit == 0 || settings.generationLimit > kMaxGenerationLimit) {
        return ExperimentError::BadLimit;
    }
    if (settings.threads == 0 || settings.threads > kMaxThreads) {
        return ExperimentError::BadThreads;
    }
    return ExperimentError::None;
}

ExperimentReading readExperiment(const ExperimentTexts& texts) {
    using F = ExperimentField;
    ExperimentReading reading;
    const auto refuse = [&reading](ExperimentError error, F field, std::size_t index = 0) {
        reading.error = error;
        reading.field = field;
        reading.index = index;
        return reading;
    };
    ExperimentSettings s;
    const auto varied = parseVariedSetting(texts.varied);
    if (!varied) {
        return refuse(ExperimentError::UnknownSetting, F::Varied);
    }
    s.varied = *varied;
    for (std::size_t j = 0; j < 5; ++j) {
        auto coefficient = numberAsTyped(texts.inputs.coefficients.at(j));
        if (!coefficient) {
            return refuse(ExperimentError::BadCoefficient, F::Coefficient, j);
        }
        s.inputs.coefficients.at(j) = std::move(*coefficient);
        auto exponent = numberAsTyped(texts.inputs.exponents.at(j));
        if (!exponent) {
            return refuse(ExperimentError::BadExponent, F::Exponent, j);
        }
        s.inputs.exponents.at(j) = std::move(*exponent);
    }
    if (s.varied != VariedSetting::Target) {
        auto target = numberAsTyped(texts.inputs.target);
        if (!target || !acceptableTarget(Val(*target))) {
            return refuse(ExperimentError::TargetRefused, F::Target);
        }
        s.inputs.target = std::move(*target);
    }
    if (s.varied != VariedSetting::Mutation) {
        auto mutation = numberAsTyped(texts.inputs.mutation);
        if (!mutation) {
            return refuse(ExperimentError::BadMutation, F::Mutation);
        }
        s.inputs.mutation = std::move(*mutation);
    }
    if (s.varied != VariedSetting::Method) {
        const auto method = parseMethod(texts.method);
        if (!method) {
            return refuse(ExperimentError::BadMethod, F::Method);
        }
        s.method = *method;
    }
    ValueList values =
        s.varied == VariedSetting::Method ? parseMethods(texts.values) : parseValues(texts.values);
    if (values.error != ExperimentError::None) {
        return refuse(values.error, F::Values);
    }
    s.values = std::move(values.values);
    const auto runs = parseSeed(texts.runsPerSetting);
    if (!runs || *runs == 0) {
        return refuse(ExperimentError::BadRuns, F::Runs);
    }
    s.runsPerSetting = *runs;
    const auto limit = parseSeed(texts.generationLimit);
    if (!limit || *limit == 0 || *limit > kMaxGenerationLimit) {
        return refuse(ExperimentError::BadLimit, F::Limit);
    }
    s.generationLimit = *limit;
    const auto seed = parseSeed(texts.baseSeed);
    if (!seed) {
        return refuse(ExperimentError::BadSeed, F::Seed);
    }
    s.baseSeed = *seed;
    const auto threads = parseSeed(texts.threads);
    if (!threads || *threads == 0 || *threads > kMaxThreads) {
        return refuse(ExperimentError::BadThreads, F::Threads);
    }
    s.threads = *threads;
    // What is left is how the values and the runs go together: too many in all, or a
    // varied target out of range; both are about the values typed.
    if (const ExperimentError error = check(s); error != ExperimentError::None) {
        return refuse(error, F::Values);
    }
    reading.settings = std::move(s);
    return reading;
}

RunInputs inputsFor(const ExperimentSettings& settings, std::size_t s) {
    RunInputs inputs = settings.inputs;
    if (settings.varied == VariedSetting::Method) {
        return inputs;
    }
    std::string& varied =
        settings.varied == VariedSetting::Target ? inputs.target : inputs.mutation;
    varied = numberText(settings.values.at(s));
    return inputs;
}

Method methodFor(const ExperimentSettings& settings, std::size_t s) {
    if (settings.varied != VariedSetting::Method) {
        return settings.method;
    }
    return static_cast<Method>(static_cast<std::size_t>(settings.values.at(s)));
}

std::uint32_t runSeed(std::uint32_t baseSeed, std::uint64_t s, std::uint64_t k) {
    return static_cast<std::uint32_t>(mix(mix((std::uint64_t{baseSeed} << 32U) + s) + k));
}

} // namespace ga
