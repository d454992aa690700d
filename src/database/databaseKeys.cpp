// Best values and similarity keys of the database matches: each record keyed against the
// best values of its input motif, which matchFlag tells apart from the database motif.
#include "database/databaseMatching.h"

void getMaxScoresDatabase(RunState& s) {
    s.maxScoresDatabaseList = bestValues(s.DatasetsCombinedScoreDatabaseLists, s.Datasets.size(),
                                         RecordSide::InputByMatchFlag);
}
void calculateSumScoresCompareDatabase(RunState& s) {
    assignSimilarityKeys(s.DatasetsCombinedScoreDatabaseLists, s.maxScoresDatabaseList,
                         RecordSide::InputByMatchFlag, teamSize(s));
}
void getMaxScoresDatabaseGlobal(RunState& s) {
    s.maxScoresDatabaseGlobalList = bestValues(s.DatasetsCombinedScoreDatabaseGlobalLists,
                                               s.Datasets.size(), RecordSide::InputByMatchFlag);
}
void calculateSumScoresCompareDatabaseGlobal(RunState& s) {
    assignSimilarityKeys(s.DatasetsCombinedScoreDatabaseGlobalLists, s.maxScoresDatabaseGlobalList,
                         RecordSide::InputByMatchFlag, teamSize(s));
}
