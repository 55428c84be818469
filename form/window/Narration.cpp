#include "form/window/Narration.h"

#include "form/texts/Messages.h"

#include <array>

namespace ga {

void appendReportLines(const GenerationRecord& g, Lines& out) {
    const Messages& words = messages();
    for (const Death& death : g.deaths) {
        const std::array gene{death.gene};
        appendSentence(out.add(), death.oldAge ? words.diedOfAge : words.eliminated, gene,
                       words.undefined);
    }
    for (std::size_t r = 0; r < kSurvivors; ++r) {
        const MatingChoice& c = g.matings[r];
        if (c.mutant != 0) {
            const std::array genes{g.rankedGenes[c.mutant - 1U], g.mutants[r]};
            appendSentence(out.add(), words.mutated, genes, words.undefined);
        }
        const std::array genes{g.rankedGenes[c.a - 1U], g.rankedGenes[c.b - 1U],
                               g.genes[kSurvivors + r]};
        appendSentence(out.add(), words.mated, genes, words.undefined);
    }
}

} // namespace ga
