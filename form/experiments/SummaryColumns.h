#pragma once

#include "engine/ExperimentSummary.h"
#include "form/texts/Messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// The columns of an experiment's summary, one row per setting. The results table, the CSV
// file and the command line's table all take their columns, headers and rounding from here,
// so the three cannot drift apart.
enum class SummaryColumn : std::uint8_t {
    Value,
    Runs,
    NotRun,
    Reached,
    ReachedPercent,
    Min,
    LowerQuartile,
    Median,
    Mean,
    UpperQuartile,
    Max,
    MedianEvaluations,
    // The method of a setting's runs, when it is fixed to a yardstick (when it varies, it is
    // the value column).
    Method,
};

struct SummaryColumnDef {
    SummaryColumn id = SummaryColumn::Value;
    // The headers: the CSV file's, the command line's (short, English) and the table's,
    // written in Turkish and translated. The value column's are the varied setting's
    // (columnHeader).
    std::string_view csv;
    std::string_view terminal;
    std::string_view header;
    // A person sees the value rounded to this many decimals, or exact when negative (the
    // setting's value, as typed); the CSV file has it exact.
    int decimals = 0;
    // Whether a person sees it as a column of its own; the runs not run are shown with the
    // runs that ended ("15 / 20") instead.
    bool shownToPeople = true;
};

// Every column there is, in the order of the CSV file.
std::span<const SummaryColumnDef> summaryColumns();

// The column `id`.
const SummaryColumnDef& summaryColumn(SummaryColumn id);

// Whether the method has a column of its own: only when every run uses one fixed yardstick.
// When the method varies it is the value column, and the genetic algorithm's tables and
// files keep the columns they had before there were other methods.
bool methodColumnShown(VariedSetting varied, Method method);

// The columns of an experiment's CSV file, in order.
std::vector<const SummaryColumnDef*> csvColumns(VariedSetting varied, Method method);

// The columns a person sees, in the table and on the command line, in order.
std::vector<const SummaryColumnDef*> peopleColumns(VariedSetting varied, Method method);

// The headers of a column when `varied` is the varied setting.
std::string_view csvHeader(const SummaryColumnDef& column, VariedSetting varied);
std::string_view terminalHeader(const SummaryColumnDef& column, VariedSetting varied);
std::string_view columnHeader(const SummaryColumnDef& column, VariedSetting varied,
                              Language language);

// A method's name as a person reads it in `language`.
std::string_view methodLabel(Method method, Language language);

// The column's value for a setting exactly, as the CSV file writes numbers; nothing where
// there is none (no run ended, none reached the target) or where the column holds a method.
std::optional<double> summaryValue(const SettingSummary& summary, SummaryColumn column);

// A field of the summary CSV file: the number exactly, a method's name ("ga", "random",
// "hill"), or empty where there is no value.
std::string summaryField(const SettingSummary& summary, SummaryColumn column, VariedSetting varied);

// A cell as a person reads it in `language`: rounded, with the decimal separator given, the
// percent sign where the language puts it, a method by its name, and a dash where there is
// no value.
std::string summaryCell(const SettingSummary& summary, const SummaryColumnDef& column,
                        VariedSetting varied, Language language, std::string_view separator);

} // namespace ga
