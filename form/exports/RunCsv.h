#pragma once

#include "engine/History.h"
#include "form/experiments/ExperimentCsv.h"

#include <array>
#include <vector>

namespace ga {

// The window's run as one CSV table (RFC 4180: a header row, commas, CR LF, UTF-8, the
// point as decimal separator, numbers in the shortest form that reads back exactly; an
// infinite value is "inf" or "-inf", an undefined one "nan"). The columns:
//
//   kind,generation,position,gene,value,fitness,best_fitness,mean_fitness,worst_fitness,
//   distinct_genes,generations
//
// First the population the lists show, one "population" row per line (its position from 1,
// the gene, F and fitness; `generation` is the generation count the window shows), then one
// "generation" row per generation of the history (its best, mean and worst fitness and how
// many distinct genes it had; `generations` is 1). Past about 1.17 million generations the
// history keeps only the extremes of blocks of generations: such a row stands for a block
// (`generations` says how many, `generation` is its first), best_fitness is the lowest and
// worst_fitness the highest in it, and the mean and distinct fields are empty.
void writeRunCsv(const std::array<std::vector<double>, 3>& lists, double generation,
                 const History& history, const CsvSink& write);

} // namespace ga
