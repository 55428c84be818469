#include "form/ExperimentCsv.h"

#include "form/SummaryColumns.h"

#include <string>

namespace ga {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Rows are handed on in pieces of about this size.
constexpr std::size_t kPiece = std::size_t{64} * 1024;

void field(std::string& line, double value) {
    line += numberText(value);
    line += ',';
}

// Replaces the last field's comma with the line end.
void endLine(std::string& line) {
    line.pop_back();
    line += kLineEnd;
}

} // namespace

void writeRunsCsv(const ExperimentSettings& settings, const std::vector<RunResult>& results,
                  const CsvSink& write) {
    std::string text;
    // Its first column is the summary's, named after the varied setting.
    text += csvHeader(summaryColumns().front(), settings.varied);
    text += ",run,seed,generations,reached,best_gene,best_fitness,evaluations";
    // A fixed yardstick is named on every row, after the columns the algorithm's files have.
    const bool methodShown = methodColumnShown(settings.varied, settings.method);
    if (methodShown) {
        text += ',';
        text += summaryColumn(SummaryColumn::Method).csv;
    }
    text += kLineEnd;
    const std::size_t runs = settings.runsPerSetting;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const RunResult& r = results[i];
        if (r.outcome == RunOutcome::NotRun) {
            continue;
        }
        if (settings.varied == VariedSetting::Method) {
            text += methodName(methodFor(settings, i / runs));
            text += ',';
        } else {
            field(text, settings.values.at(i / runs));
        }
        field(text, static_cast<double>(i % runs + 1));
        field(text, r.seed);
        field(text, r.generations);
        field(text, r.outcome == RunOutcome::Reached ? 1 : 0);
        field(text, r.bestGene);
        field(text, r.bestFitness);
        if (r.evaluations > 0) {
            field(text, static_cast<double>(r.evaluations));
        } else {
            text += ',';
        }
        if (methodShown) {
            text += methodName(settings.method);
            text += ',';
        }
        endLine(text);
        if (text.size() >= kPiece) {
            write(text);
            text.clear();
        }
    }
    write(text);
}

void writeSummaryCsv(const ExperimentSettings& settings,
                     const std::vector<SettingSummary>& summaries, const CsvSink& write) {
    const std::vector<const SummaryColumnDef*> columns =
        csvColumns(settings.varied, settings.method);
    std::string text;
    for (const SummaryColumnDef* column : columns) {
        text += csvHeader(*column, settings.varied);
        text += ',';
    }
    endLine(text);
    for (const SettingSummary& s : summaries) {
        for (const SummaryColumnDef* column : columns) {
            text += summaryField(s, column->id, settings.varied);
            text += ',';
        }
        endLine(text);
        if (text.size() >= kPiece) {
            write(text);
            text.clear();
        }
    }
    write(text);
}

} // namespace ga
