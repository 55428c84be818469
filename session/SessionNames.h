#pragma once

#include <array>

namespace ga::session {

// The words a version-2 session uses for the window's settings, in the order of their enums.
inline constexpr std::array<const char*, 6> kStatusNames{"waiting", "prepared", "started",
                                                         "stopped", "reset",    "reached"};
inline constexpr std::array<const char*, 3> kPanelNames{"design", "cleared", "shown"};
// The three population lists, in the order of FormState::lists.
inline constexpr std::array<const char*, 3> kListNames{"genes", "functionValues", "fitness"};
inline constexpr std::array<const char*, 2> kChartNames{"fitnessChart", "geneChart"};
// The prediction mode's kinds of question, in the order of QuestionKind.
inline constexpr std::array<const char*, 4> kPredictionKindNames{"selection", "mating", "fitness",
                                                                 "progress"};

// Bytes per record of the history's packed parts.
inline constexpr std::size_t kPackedBytes = 24;
inline constexpr std::size_t kSummaryBytes = 3 * 8 + 1;
inline constexpr std::size_t kSpanBytes = 6 * 8 + 2;
// Summaries go in Base64 strings of this many records each, so that no string a reader
// meets is large.
inline constexpr std::size_t kSummariesPerString = 4096;

} // namespace ga::session
