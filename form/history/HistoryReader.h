#pragma once

#include "engine/History.h"
#include "engine/HistoryReplay.h"
#include "form/window/Batch.h"

#include <array>
#include <cstdint>
#include <string>

namespace ga {

// What the history window shows of one listed population, as text.
struct HistoryPage {
    std::uint64_t index = 0;
    double generation = 0; // as "Nesil" showed it
    // The population as the three lists showed it, position by position.
    std::array<std::string, kPopulation> genes;
    std::array<std::string, kPopulation> values;
    std::array<std::string, kPopulation> fitness;
    // The report lines of the generation that made it, as the log showed them; none for the
    // population "Hazırla" made.
    Lines report;
    GenerationSummary summary;
};

// Writes the pages of a history: the populations with the rules of the main window's lists
// (CStr with the locale's separator) and the report lines with the log's own narration.
class HistoryReader {
  public:
    explicit HistoryReader(std::string decimalSeparator);

    // Fills `page` for listed population `index`; false when the history no longer holds it.
    bool open(const History& history, std::uint64_t index, HistoryPage& page);

  private:
    std::string separator_;
    HistoryReplay replay_;
};

} // namespace ga
