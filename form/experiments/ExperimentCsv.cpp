#include "form/experiments/ExperimentCsv.h"

#include "form/experiments/SummaryColumns.h"

#include <string>

namespace ga {

void appendCsvField(std::string& line, double value) {
    line += numberText(value);
    line += ',';
}

void endCsvLine(std::string& line, const CsvSink& write) {
    line.pop_back();
    line += kCsvLineEnd;
    if (line.size() >= kCsvPiece) {
        write(line);
        line.clear();
    }
}

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
    text += kCsvLineEnd;
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
            appendCsvField(text, settings.values.at(i / runs));
        }
        appendCsvField(text, static_cast<double>(i % runs + 1));
        appendCsvField(text, r.seed);
        appendCsvField(text, r.generations);
        appendCsvField(text, r.outcome == RunOutcome::Reached ? 1 : 0);
        appendCsvField(text, r.bestGene);
        appendCsvField(text, r.bestFitness);
        if (r.evaluations > 0) {
            appendCsvField(text, static_cast<double>(r.evaluations));
        } else {
            text += ',';
        }
        if (methodShown) {
            text += methodName(settings.method);
            text += ',';
        }
        endCsvLine(text, write);
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
    endCsvLine(text, write);
    for (const SettingSummary& s : summaries) {
        for (const SummaryColumnDef* column : columns) {
            text += summaryField(s, column->id, settings.varied);
            text += ',';
        }
        endCsvLine(text, write);
    }
    write(text);
}

} // namespace ga
