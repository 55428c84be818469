#include "form/exports/RunCsv.h"

#include "engine/ExperimentSettings.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ga {

namespace {

void empty(std::string& line, int fields) {
    line.append(static_cast<std::size_t>(fields), ',');
}

} // namespace

void writeRunCsv(const std::array<std::vector<double>, 3>& lists, double generation,
                 const History& history, const CsvSink& write) {
    std::string text = "kind,generation,position,gene,value,fitness,best_fitness,mean_fitness,"
                       "worst_fitness,distinct_genes,generations";
    text += kCsvLineEnd;
    const std::size_t rows = std::max({lists[0].size(), lists[1].size(), lists[2].size()});
    for (std::size_t k = 0; k < rows; ++k) {
        text += "population,";
        appendCsvField(text, generation);
        appendCsvField(text, static_cast<double>(k + 1));
        for (const std::vector<double>& list : lists) {
            if (k < list.size()) {
                appendCsvField(text, list[k]);
            } else {
                empty(text, 1);
            }
        }
        empty(text, 5);
        endCsvLine(text, write);
    }
    const SummaryPyramid& summaries = history.summaries();
    const std::uint64_t width = summaries.bucketWidth();
    for (std::uint64_t first = 0; first < summaries.count(); first += width) {
        const std::uint64_t last = std::min(summaries.count(), first + width);
        const SummarySpan s = summaries.span(first, last);
        text += "generation,";
        appendCsvField(text, history.generationNumber(first));
        empty(text, 4);
        appendCsvField(text, s.bestLo);
        if (width == 1) {
            appendCsvField(text, s.meanLo);
            appendCsvField(text, s.worstHi);
            appendCsvField(text, s.distinctLo);
        } else {
            empty(text, 1);
            appendCsvField(text, s.worstHi);
            empty(text, 1);
        }
        appendCsvField(text, static_cast<double>(last - first));
        endCsvLine(text, write);
    }
    write(text);
}

} // namespace ga
