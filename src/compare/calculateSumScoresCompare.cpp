// Every record's similarity key against its first motif's best values.
#include "compare/compare.h"

void calculateSumScoresCompare(RunState& s) {
    for (dataCombinedScore& r : s.DatasetsCombinedScoreLists)
        r.similarityScore =
            similarityKey(r, s.maxScoresList[static_cast<std::size_t>(r.motifID1 - 1)]);
}
