// Best values per motif and the similarity key of every record, for any result list:
// the input comparison and the database matching differ only in which side they key.
#include "compare/compare.h"

namespace {
// The side is fixed per list, so each loop is built for its side: these loops run over
// every record of the largest lists of a run.
template <RecordSide Side>
void accumulate(std::span<const dataCombinedScore> list, std::vector<maxScores>& best) {
    maxScores* const entries = best.data();
    const auto count = static_cast<std::uint32_t>(best.size());
    const auto feed = [entries, count](const dataCombinedScore& r, std::int32_t id) {
        // One unsigned test keeps ids below 1 and above the store out alike.
        const std::uint32_t k = static_cast<std::uint32_t>(id) - 1u;
        if (k >= count) return;
        maxScores& e = entries[k];
        if (r.alignmentScore > e.bestScore) e.bestScore = r.alignmentScore;
        if (r.overlapLength > e.longestOverlap) e.longestOverlap = r.overlapLength;
        e.motifID = id;
        e.overlapMidpoint = (e.longestOverlap + kMinimumOverlap) / 2;
    };
    for (const dataCombinedScore& r : list) {
        if constexpr (Side == RecordSide::InputByMatchFlag) {
            feed(r, inputMotifID(r));
        } else {
            feed(r, r.motifID1);
            if constexpr (Side == RecordSide::BothMotifs) feed(r, r.motifID2);
        }
    }
}

template <RecordSide Side>
void key(std::span<dataCombinedScore> list, std::span<const maxScores> best) {
    const maxScores* const entries = best.data();
    const auto count = static_cast<std::uint32_t>(best.size());
    for (dataCombinedScore& r : list) {
        const std::int32_t id = Side == RecordSide::InputByMatchFlag ? inputMotifID(r) : r.motifID1;
        const std::uint32_t k = static_cast<std::uint32_t>(id) - 1u;
        if (k < count) r.similarityScore = similarityKey(r, entries[k]);
    }
}
}  // namespace

std::vector<maxScores> bestValues(std::span<const dataCombinedScore> list, std::size_t motifCount,
                                  RecordSide side) {
    std::vector<maxScores> best(motifCount);
    switch (side) {
    case RecordSide::BothMotifs: accumulate<RecordSide::BothMotifs>(list, best); break;
    case RecordSide::RecordFirst: accumulate<RecordSide::RecordFirst>(list, best); break;
    case RecordSide::InputByMatchFlag: accumulate<RecordSide::InputByMatchFlag>(list, best); break;
    }
    return best;
}

void assignSimilarityKeys(std::span<dataCombinedScore> list, std::span<const maxScores> best,
                          RecordSide side, int threads) {
    if (threads < 1) threads = 1;
    const auto slices = static_cast<std::int64_t>(threads) * 4;
    const auto sliceStart = [&](std::int64_t k) {
        return list.size() * static_cast<std::size_t>(k) / static_cast<std::size_t>(slices);
    };
#pragma omp parallel for schedule(static) num_threads(threads)
    for (std::int64_t k = 0; k < slices; ++k) {
        const auto slice = list.subspan(sliceStart(k), sliceStart(k + 1) - sliceStart(k));
        if (side == RecordSide::InputByMatchFlag) key<RecordSide::InputByMatchFlag>(slice, best);
        else key<RecordSide::RecordFirst>(slice, best);
    }
}

void getMaxScores(RunState& s) {
    s.maxScoresList =
        bestValues(s.DatasetsCombinedScoreLists, s.Datasets.size(), RecordSide::BothMotifs);
}

void calculateSumScoresCompare(RunState& s) {
    assignSimilarityKeys(s.DatasetsCombinedScoreLists, s.maxScoresList, RecordSide::RecordFirst,
                         teamSize(s));
}
