#include "form/SummaryColumns.h"

#include "form/SpreadLayout.h"

#include <algorithm>
#include <array>

namespace ga {

namespace {

using Col = SummaryColumn;

// The table's headers fit a column of a few digits; the command line's are shorter still,
// so that a summary fits a terminal's width.
constexpr std::array kSummaryColumns{
    SummaryColumnDef{Col::Value, {}, {}, {}, {}, -1, true},
    SummaryColumnDef{Col::Runs, "runs", "runs", "Çalıştırma sayısı", "Runs", 0, true},
    SummaryColumnDef{Col::NotRun, "not_run", {}, {}, {}, 0, false},
    SummaryColumnDef{Col::Reached, "reached", "reached", "Hedefe ulaşan", "Reached the target", 0,
                     true},
    SummaryColumnDef{Col::ReachedPercent, "reached_percent", "%", "Ulaşan yüzdesi", "Reached (%)",
                     1, true},
    SummaryColumnDef{Col::Min, "min", "min", "En az nesil", "Fewest generations", 0, true},
    SummaryColumnDef{Col::LowerQuartile, "lower_quartile", "lower q.", "Alt çeyrek",
                     "Lower quartile", 2, true},
    SummaryColumnDef{Col::Median, "median", "median", "Ortanca", "Median", 2, true},
    SummaryColumnDef{Col::Mean, "mean", "mean", "Ortalama", "Mean", 1, true},
    SummaryColumnDef{Col::UpperQuartile, "upper_quartile", "upper q.", "Üst çeyrek",
                     "Upper quartile", 2, true},
    SummaryColumnDef{Col::Max, "max", "max", "En çok nesil", "Most generations", 0, true},
    SummaryColumnDef{Col::MedianEvaluations, "median_evaluations", "med. evals",
                     "Ortanca değerlendirme", "Median evaluations", 1, true},
    SummaryColumnDef{Col::Method, "method", "method", "Yöntem", "Method", -1, true},
};

// Where a value does not exist a person sees a dash, not 0.
constexpr std::string_view kNoValue = "—";

std::optional<double> generationsPart(const SettingSummary& s, double Spread::*member) {
    if (!s.generations) {
        return std::nullopt;
    }
    return (*s.generations).*member;
}

} // namespace

std::span<const SummaryColumnDef> summaryColumns() {
    return kSummaryColumns;
}

const SummaryColumnDef& summaryColumn(SummaryColumn id) {
    return *std::find_if(kSummaryColumns.begin(), kSummaryColumns.end(),
                         [id](const SummaryColumnDef& column) { return column.id == id; });
}

bool methodColumnShown(VariedSetting varied, Method method) {
    return varied != VariedSetting::Method && method != Method::GeneticAlgorithm;
}

std::vector<const SummaryColumnDef*> csvColumns(VariedSetting varied, Method method) {
    std::vector<const SummaryColumnDef*> columns;
    for (const SummaryColumnDef& column : kSummaryColumns) {
        if (column.id != Col::Method || methodColumnShown(varied, method)) {
            columns.push_back(&column);
        }
    }
    return columns;
}

std::vector<const SummaryColumnDef*> peopleColumns(VariedSetting varied, Method method) {
    std::vector<const SummaryColumnDef*> columns = csvColumns(varied, method);
    std::erase_if(columns, [](const SummaryColumnDef* column) { return !column->shownToPeople; });
    return columns;
}

std::string_view csvHeader(const SummaryColumnDef& column, VariedSetting varied) {
    if (column.id == Col::Value) {
        switch (varied) {
        case VariedSetting::Target:
            return "target";
        case VariedSetting::Method:
            return "method";
        case VariedSetting::Mutation:
            break;
        }
        return "mutation";
    }
    return column.csv;
}

std::string_view terminalHeader(const SummaryColumnDef& column, VariedSetting varied) {
    return column.id == Col::Value ? csvHeader(column, varied) : column.terminal;
}

std::string_view columnHeader(const SummaryColumnDef& column, VariedSetting varied,
                              Language language) {
    const bool english = language == Language::English;
    if (column.id == Col::Value) {
        if (varied == VariedSetting::Target) {
            return english ? "Target number" : "Ulaşılacak sayı";
        }
        if (varied == VariedSetting::Method) {
            return english ? "Method" : "Yöntem";
        }
        return english ? "Mutation percentage" : "Mutasyon yüzdesi";
    }
    return english ? column.english : column.turkish;
}

std::string_view methodLabel(Method method, Language language) {
    const bool english = language == Language::English;
    switch (method) {
    case Method::RandomSearch:
        return english ? "Random search" : "Rastgele arama";
    case Method::HillClimbing:
        return english ? "Hill climbing" : "Tepe tırmanma";
    case Method::GeneticAlgorithm:
        break;
    }
    return english ? "Genetic algorithm" : "Genetik algoritma";
}

std::optional<double> summaryValue(const SettingSummary& s, SummaryColumn column) {
    switch (column) {
    case Col::Value:
        return s.value;
    case Col::Runs:
        return static_cast<double>(s.runs);
    case Col::NotRun:
        return static_cast<double>(s.notRun);
    case Col::Reached:
        return static_cast<double>(s.reached);
    case Col::ReachedPercent:
        return s.reachedPercent;
    case Col::Min:
        return generationsPart(s, &Spread::min);
    case Col::LowerQuartile:
        return generationsPart(s, &Spread::lowerQuartile);
    case Col::Median:
        return generationsPart(s, &Spread::median);
    case Col::Mean:
        return generationsPart(s, &Spread::mean);
    case Col::UpperQuartile:
        return generationsPart(s, &Spread::upperQuartile);
    case Col::Max:
        return generationsPart(s, &Spread::max);
    case Col::MedianEvaluations:
        return s.medianEvaluations;
    case Col::Method:
        break;
    }
    return std::nullopt;
}

namespace {

bool holdsMethod(SummaryColumn column, VariedSetting varied) {
    return column == Col::Method || (column == Col::Value && varied == VariedSetting::Method);
}

} // namespace

std::string summaryField(const SettingSummary& s, SummaryColumn column, VariedSetting varied) {
    if (holdsMethod(column, varied)) {
        return std::string(methodName(s.method));
    }
    const std::optional<double> value = summaryValue(s, column);
    return value ? numberText(*value) : std::string();
}

std::string summaryCell(const SettingSummary& s, const SummaryColumnDef& column,
                        VariedSetting varied, Language language, std::string_view separator) {
    if (column.id == Col::Runs && s.notRun > 0) {
        // A cancelled experiment says how many of the planned runs ended.
        return std::to_string(s.runs) + " / " + std::to_string(s.runs + s.notRun);
    }
    if (holdsMethod(column.id, varied)) {
        return std::string(methodLabel(s.method, language));
    }
    const std::optional<double> value = summaryValue(s, column.id);
    if (!value) {
        return std::string(kNoValue);
    }
    std::string text = column.decimals < 0 ? valueLabel(*value, separator)
                                           : roundedLabel(*value, column.decimals, separator);
    if (column.id == Col::ReachedPercent) {
        // Turkish writes the percent sign before the number, English after it.
        text = language == Language::English ? text + "%" : "%" + text;
    }
    return text;
}

} // namespace ga
