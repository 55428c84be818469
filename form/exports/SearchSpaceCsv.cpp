#include "form/exports/SearchSpaceCsv.h"

#include "engine/ExperimentSettings.h"

#include <cmath>
#include <string>

namespace ga {

namespace {

std::string csvNumber(double value) {
    return std::isnan(value) ? std::string("nan") : numberText(value);
}

} // namespace

void writeSearchSpaceCsv(const SearchSpace& space, const CsvSink& write) {
    std::string text = "gene,x,y,z,k,c,value,fitness\r\n";
    for (int gene : space.bestGenes()) {
        text += std::to_string(gene);
        for (int place = 10000; place >= 1; place /= 10) {
            text += ',';
            text += std::to_string(gene / place % 10);
        }
        text += ',' + csvNumber(space.value(gene)) + ',' + csvNumber(space.fitness(gene)) + "\r\n";
        // Written in pieces: a flat function has all 100 000 genes at its optimum.
        if (text.size() >= std::size_t{64} * 1024) {
            write(text);
            text.clear();
        }
    }
    write(text);
}

} // namespace ga
