// Best values and similarity keys of the database matches: each record keyed against the
// best values of its input motif, which matchFlag tells apart from the database motif.
#include "database/databaseMatching.h"

namespace {

// A key depends on its own record and the best values alone, so the list is keyed in
// slices on the run's team; the keys are those of one pass over the whole list.
void keyOnTeam(std::vector<dataCombinedScore>& list, const std::vector<maxScores>& best,
               int threads) {
    if (threads < 1) threads = 1;
    const std::span<dataCombinedScore> all(list);
    const std::int64_t slices = std::int64_t{threads} * 4;
#pragma omp parallel for schedule(static) num_threads(threads)
    for (std::int64_t k = 0; k < slices; ++k) {
        const std::size_t begin = all.size() * static_cast<std::size_t>(k) /
                                  static_cast<std::size_t>(slices);
        const std::size_t end = all.size() * static_cast<std::size_t>(k + 1) /
                                static_cast<std::size_t>(slices);
        assignSimilarityKeys(all.subspan(begin, end - begin), best, RecordSide::InputByMatchFlag);
    }
}

}  // namespace

void getMaxScoresDatabase(RunState& s) {
    s.maxScoresDatabaseList = bestValues(s.DatasetsCombinedScoreDatabaseLists, s.Datasets.size(),
                                         RecordSide::InputByMatchFlag);
}
void calculateSumScoresCompareDatabase(RunState& s) {
    keyOnTeam(s.DatasetsCombinedScoreDatabaseLists, s.maxScoresDatabaseList, teamSize(s));
}
void getMaxScoresDatabaseGlobal(RunState& s) {
    s.maxScoresDatabaseGlobalList = bestValues(s.DatasetsCombinedScoreDatabaseGlobalLists,
                                               s.Datasets.size(), RecordSide::InputByMatchFlag);
}
void calculateSumScoresCompareDatabaseGlobal(RunState& s) {
    keyOnTeam(s.DatasetsCombinedScoreDatabaseGlobalLists, s.maxScoresDatabaseGlobalList,
              teamSize(s));
}
