#include "form/history/HistoryReader.h"

#include "form/texts/Messages.h"
#include "form/window/Narration.h"
#include "runtime/Convert.h"

#include <utility>

namespace ga {

HistoryReader::HistoryReader(std::string decimalSeparator)
    : separator_(std::move(decimalSeparator)) {}

bool HistoryReader::open(const History& history, std::uint64_t index, HistoryPage& page) {
    if (!replay_.seek(history, index)) {
        return false;
    }
    page.index = index;
    page.generation = history.generationNumber(index);
    const ListedPopulation& listed = replay_.listed();
    const std::string_view undefined = messages().undefined;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        page.genes[k].clear();
        appendCStr(page.genes[k], listed.genes[k], separator_, undefined);
        page.values[k].clear();
        appendCStr(page.values[k], listed.values[k], separator_, undefined);
        page.fitness[k].clear();
        appendCStr(page.fitness[k], listed.fitness[k], separator_, undefined);
    }
    page.report.clear();
    if (index > 0) {
        appendReportLines(replay_.record(), page.report);
    }
    page.summary = summarize(listed.genes, listed.fitness);
    return true;
}

} // namespace ga
