#pragma once

#include "engine/Experiment.h"
#include "engine/ExperimentSummary.h"

#include <functional>
#include <string_view>
#include <vector>

namespace ga {

// Receives a file's text a piece at a time, so that a million rows need not be held whole.
using CsvSink = std::function<void(std::string_view)>;

// CSV's line end, and the size of the pieces a writer hands its rows on in.
inline constexpr std::string_view kCsvLineEnd = "\r\n";
inline constexpr std::size_t kCsvPiece = std::size_t{64} * 1024;
// Appends a number as the files write it (numberText: "nan", "inf" where there is no finite
// value) and the comma after it.
void appendCsvField(std::string& line, double value);
// Ends a line of fields, its last comma becoming the line end, and hands the text on once
// it has grown to a piece.
void endCsvLine(std::string& line, const CsvSink& write);

// The experiment's files, as RFC 4180 describes CSV: a header row, fields separated by
// commas, lines ended by CR LF, UTF-8. Every field is a number or a fixed lower-case name,
// so none needs quoting. Numbers are written in the shortest form that reads back exactly
// ("5", "0.1", "1e+20"), with the point as decimal separator. The first column is named
// after the varied setting: "mutation", "target" or "method" (whose values are "ga",
// "random" and "hill"). When every run uses one fixed yardstick, a last column "method"
// names it on every row; the genetic algorithm's files have no such column, as before.

// One row per run that ended: setting, run (from 1), seed, generations (nesilSayisi at the
// stop), reached (1 or 0), best gene, best fitness, evaluations until a gene at the target
// (empty when none was). Runs that a cancel stopped are left out.
void writeRunsCsv(const ExperimentSettings& settings, const std::vector<RunResult>& results,
                  const CsvSink& write);

// One row per setting, in the summary's columns (SummaryColumns.h): runs, not_run, reached,
// reached_percent, then the generations to the target: min, lower_quartile, median, mean,
// upper_quartile, max, then median_evaluations. A value that does not exist (no run ended,
// none reached the target) is an empty field.
void writeSummaryCsv(const ExperimentSettings& settings,
                     const std::vector<SettingSummary>& summaries, const CsvSink& write);

} // namespace ga
