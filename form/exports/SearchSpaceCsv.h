#pragma once

#include "engine/SearchSpace.h"
#include "form/experiments/ExperimentCsv.h"

namespace ga {

// The genes that reach the best fitness of the search space as one CSV table (RFC 4180: a
// header row, commas, CR LF, the point as decimal separator; an infinite value is "inf", an
// undefined one "nan"), one row per gene in ascending order:
//
//   gene,x,y,z,k,c,value,fitness
//
// The gene is a whole number (277, not 00277), its digits follow.
void writeSearchSpaceCsv(const SearchSpace& space, const CsvSink& write);

} // namespace ga
