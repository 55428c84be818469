#include "form/Narration.h"

#include "form/Messages.h"
#include "runtime/Convert.h"

namespace ga {

void appendReportLines(const GenerationRecord& g, Lines& out) {
    const Messages& words = messages();
    for (const Death& death : g.deaths) {
        std::string& line = out.add();
        appendStr(line, death.gene);
        line += death.oldAge ? words.diedOfAge : words.eliminated;
    }
    for (std::size_t r = 0; r < kSurvivors; ++r) {
        const MatingChoice& c = g.matings[r];
        if (c.mutant != 0) {
            std::string& line = out.add();
            appendStr(line, g.rankedGenes[c.mutant - 1U]);
            line += words.mutated;
            appendStr(line, g.mutants[r]);
        }
        std::string& line = out.add();
        appendStr(line, g.rankedGenes[c.a - 1U]);
        line += words.mated1;
        appendStr(line, g.rankedGenes[c.b - 1U]);
        line += words.mated2;
        appendStr(line, g.genes[kSurvivors + r]);
        line += words.born;
    }
}

} // namespace ga
