// Each input motif's best score and longest overlap, over the records it takes part in.
#include "compare/compare.h"

void getMaxScores(RunState& s) {
    s.maxScoresList.resize(s.Datasets.size());
    for (const dataCombinedScore& r : s.DatasetsCombinedScoreLists) {
        maxScores& e1 = s.maxScoresList[static_cast<std::size_t>(r.motifID1 - 1)];
        maxScores& e2 = s.maxScoresList[static_cast<std::size_t>(r.motifID2 - 1)];
        if (r.alignmentScore > e1.bestScore) e1.bestScore = r.alignmentScore;
        if (r.alignmentScore > e2.bestScore) e2.bestScore = r.alignmentScore;
        if (r.overlapLength > e1.longestOverlap) e1.longestOverlap = r.overlapLength;
        if (r.overlapLength > e2.longestOverlap) e2.longestOverlap = r.overlapLength;
        e1.motifID = r.motifID1;
        e1.overlapMidpoint = (e1.longestOverlap + kMinimumOverlap) / 2;
        e2.motifID = r.motifID2;
        e2.overlapMidpoint = (e2.longestOverlap + kMinimumOverlap) / 2;
    }
}
