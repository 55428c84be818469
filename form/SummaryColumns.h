#pragma once

#include "engine/ExperimentSummary.h"
#include "form/Messages.h"

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

// Every column, in the order of the CSV file.
std::span<const SummaryColumnDef> summaryColumns();

// The columns a person sees, in the table and on the command line, in order.
std::vector<const SummaryColumnDef*> peopleColumns();

// The headers of a column when `varied` is the varied setting.
std::string_view csvHeader(const SummaryColumnDef& column, VariedSetting varied);
std::string_view terminalHeader(const SummaryColumnDef& column, VariedSetting varied);
std::string_view columnHeader(const SummaryColumnDef& column, VariedSetting varied,
                              Language language);

// A method's name as a person reads it in `language`.
std::string_view methodLabel(Method method, Language language);

// The column's value for a setting exactly, as the CSV file writes it; nothing where there
// is none (no run ended, none reached the target).
std::optional<double> summaryValue(const SettingSummary& summary, SummaryColumn column);

// A cell as a person reads it in `language`: rounded, with the decimal separator given, the
// percent sign where the language puts it, and a dash where there is no value.
std::string summaryCell(const SettingSummary& summary, const SummaryColumnDef& column,
                        Language language, std::string_view separator);

} // namespace ga
