#include "form/RunCsv.h"

#include "engine/ExperimentSettings.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ga {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kPiece = std::size_t{64} * 1024;

void field(std::string& line, double value) {
    line += std::isnan(value) ? std::string("nan") : numberText(value);
    line += ',';
}

void empty(std::string& line, int fields) {
    line.append(static_cast<std::size_t>(fields), ',');
}

void endLine(std::string& line, const CsvSink& write) {
    line.pop_back();
    line += kLineEnd;
    if (line.size() >= kPiece) {
        write(line);
        line.clear();
    }
}

} // namespace

void writeRunCsv(const std::array<std::vector<double>, 3>& lists, double generation,
                 const History& history, const CsvSink& write) {
    std::string text = "kind,generation,position,gene,value,fitness,best_fitness,mean_fitness,"
                       "worst_fitness,distinct_genes,generations";
    text += kLineEnd;
    const std::size_t rows = std::max({lists[0].size(), lists[1].size(), lists[2].size()});
    for (std::size_t k = 0; k < rows; ++k) {
        text += "population,";
        field(text, generation);
        field(text, static_cast<double>(k + 1));
        for (const std::vector<double>& list : lists) {
            if (k < list.size()) {
                field(text, list[k]);
            } else {
                empty(text, 1);
            }
        }
        empty(text, 5);
        endLine(text, write);
    }
    const SummaryPyramid& summaries = history.summaries();
    const std::uint64_t width = summaries.bucketWidth();
    for (std::uint64_t first = 0; first < summaries.count(); first += width) {
        const std::uint64_t last = std::min(summaries.count(), first + width);
        const SummarySpan s = summaries.span(first, last);
        text += "generation,";
        field(text, history.generationNumber(first));
        empty(text, 4);
        field(text, s.bestLo);
        if (width == 1) {
            field(text, s.meanLo);
            field(text, s.worstHi);
            field(text, s.distinctLo);
        } else {
            empty(text, 1);
            field(text, s.worstHi);
            empty(text, 1);
        }
        field(text, static_cast<double>(last - first));
        endLine(text, write);
    }
    write(text);
}

} // namespace ga
