#pragma once

#include "engine/Generation.h"
#include "form/window/Batch.h"

namespace ga {

// The report lines of one generation, in the order the log shows them: the ten deaths,
// then for each mating its mutation line (if any) and its birth line. Numbers are written
// by the Str rule; the words are those of the language in use.
void appendReportLines(const GenerationRecord& g, Lines& out);

} // namespace ga
