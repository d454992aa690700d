// Best values per motif and the similarity key of every record, for any result list:
// the input comparison and the database matching differ only in which side they key.
#include "compare/compare.h"

namespace {
// The motifs of a record whose best values it feeds.
template <typename Visit>
void forEachScoredMotif(const dataCombinedScore& r, RecordSide side, Visit visit) {
    switch (side) {
    case RecordSide::BothMotifs:
        visit(r.motifID1);
        visit(r.motifID2);
        break;
    case RecordSide::RecordFirst: visit(r.motifID1); break;
    case RecordSide::InputByMatchFlag: visit(inputMotifID(r)); break;
    }
}
}  // namespace

std::vector<maxScores> bestValues(std::span<const dataCombinedScore> list, std::size_t motifCount,
                                  RecordSide side) {
    std::vector<maxScores> best(motifCount);
    for (const dataCombinedScore& r : list)
        forEachScoredMotif(r, side, [&](std::int32_t id) {
            if (id < 1 || static_cast<std::size_t>(id) > motifCount) return;
            maxScores& e = best[static_cast<std::size_t>(id - 1)];
            if (r.alignmentScore > e.bestScore) e.bestScore = r.alignmentScore;
            if (r.overlapLength > e.longestOverlap) e.longestOverlap = r.overlapLength;
            e.motifID = id;
            e.overlapMidpoint = (e.longestOverlap + kMinimumOverlap) / 2;
        });
    return best;
}

void assignSimilarityKeys(std::span<dataCombinedScore> list, std::span<const maxScores> best,
                          RecordSide side) {
    for (dataCombinedScore& r : list) {
        const std::int32_t id = side == RecordSide::InputByMatchFlag ? inputMotifID(r) : r.motifID1;
        if (id < 1 || static_cast<std::size_t>(id) > best.size()) continue;
        r.similarityScore = similarityKey(r, best[static_cast<std::size_t>(id - 1)]);
    }
}

void getMaxScores(RunState& s) {
    s.maxScoresList =
        bestValues(s.DatasetsCombinedScoreLists, s.Datasets.size(), RecordSide::BothMotifs);
}

void calculateSumScoresCompare(RunState& s) {
    assignSimilarityKeys(s.DatasetsCombinedScoreLists, s.maxScoresList, RecordSide::RecordFirst);
}
