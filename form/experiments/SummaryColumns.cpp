#include "form/experiments/SummaryColumns.h"

#include "form/experiments/SpreadLayout.h"
#include "form/texts/Translation.h"

#include <algorithm>
#include <array>

namespace ga {

namespace {

using Col = SummaryColumn;

// The table's headers fit a column of a few digits; the command line's are shorter still,
// so that a summary fits a terminal's width.
constexpr std::array kSummaryColumns{
    SummaryColumnDef{Col::Value, {}, {}, {}, -1, true},
    SummaryColumnDef{Col::Runs, "runs", "runs",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Çalıştırma sayısı"), 0, true},
    SummaryColumnDef{Col::NotRun, "not_run", {}, {}, 0, false},
    SummaryColumnDef{Col::Reached, "reached", "reached",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Hedefe ulaşan"), 0, true},
    SummaryColumnDef{Col::ReachedPercent, "reached_percent", "%",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Ulaşan yüzdesi"), 1, true},
    SummaryColumnDef{Col::Min, "min", "min", QT_TRANSLATE_NOOP("ga::SummaryColumns", "En az nesil"),
                     0, true},
    SummaryColumnDef{Col::LowerQuartile, "lower_quartile", "lower q.",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Alt çeyrek"), 2, true},
    SummaryColumnDef{Col::Median, "median", "median",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Ortanca"), 2, true},
    SummaryColumnDef{Col::Mean, "mean", "mean", QT_TRANSLATE_NOOP("ga::SummaryColumns", "Ortalama"),
                     1, true},
    SummaryColumnDef{Col::UpperQuartile, "upper_quartile", "upper q.",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Üst çeyrek"), 2, true},
    SummaryColumnDef{Col::Max, "max", "max",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "En çok nesil"), 0, true},
    SummaryColumnDef{Col::MedianEvaluations, "median_evaluations", "med. evals",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Ortanca değerlendirme"), 1, true},
    SummaryColumnDef{Col::Method, "method", "method",
                     QT_TRANSLATE_NOOP("ga::SummaryColumns", "Yöntem"), -1, true},
};

static_assert(
    [] {
        for (std::size_t c = 0; c < kSummaryColumns.size(); ++c) {
            if (static_cast<std::size_t>(kSummaryColumns[c].id) != c) {
                return false;
            }
        }
        return true;
    }(),
    "the columns are in the order of SummaryColumn");

// The value column's header, by the varied setting.
constexpr std::array<std::string_view, 3> kValueHeaders{
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Mutasyon yüzdesi"),
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Ulaşılacak sayı"),
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Yöntem"),
};

// The methods' names, by Method.
constexpr std::array<std::string_view, kMethodCount> kMethodLabels{
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Genetik algoritma"),
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Rastgele arama"),
    QT_TRANSLATE_NOOP("ga::SummaryColumns", "Tepe tırmanma"),
};

// Every text of a summary in one table: the columns' headers in their order, the value
// headers, the methods' names, and how a percentage is written (Turkish puts the sign
// before the number).
const TranslatedTexts& texts() {
    static const TranslatedTexts table("ga::SummaryColumns", [] {
        std::vector<std::string_view> sources;
        sources.reserve(kSummaryColumns.size() + kValueHeaders.size() + kMethodLabels.size() + 1);
        for (const SummaryColumnDef& column : kSummaryColumns) {
            sources.push_back(column.header);
        }
        sources.insert(sources.end(), kValueHeaders.begin(), kValueHeaders.end());
        sources.insert(sources.end(), kMethodLabels.begin(), kMethodLabels.end());
        //: A percentage; %1 is the number. Turkish writes the sign before it.
        sources.emplace_back(QT_TRANSLATE_NOOP("ga::SummaryColumns", "%%1"));
        return sources;
    }());
    return table;
}

constexpr std::size_t kValueHeadersAt = kSummaryColumns.size();
constexpr std::size_t kMethodLabelsAt = kValueHeadersAt + kValueHeaders.size();
constexpr std::size_t kPercentAt = kMethodLabelsAt + kMethodLabels.size();

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
    if (column.id == Col::Value) {
        return texts().text(kValueHeadersAt + static_cast<std::size_t>(varied), language);
    }
    return texts().text(static_cast<std::size_t>(column.id), language);
}

std::string_view methodLabel(Method method, Language language) {
    return texts().text(kMethodLabelsAt + static_cast<std::size_t>(method), language);
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
        const std::array<std::string_view, 1> number{text};
        text = fillPlaces(texts().text(kPercentAt, language), number);
    }
    return text;
}

} // namespace ga
