// Ranking of the input comparison: groups, best matches, rankings, top lists.
#include "compare/compare.h"

ComparisonLists getResultsList(RunState& s) {
    ComparisonLists lists;
    const bool tree = s.motifCluster;
    // Groups are runs of DatasetsCombinedScoreLists itself; the cross-file groups are the
    // same runs read through the global-matching test, in the same order.
    const std::vector<MatchGroup> allMatchGroups =
        groupByFirstMotif(s.DatasetsCombinedScoreLists, s.Datasets.size(), teamSize(s));

    if (tree) fillDistanceMatrix(s, allMatchGroups);

    if (s.numFile > 1) {
        lists.globalBestMatchLists = selectBestMatches(s, allMatchGroups, Matching::Global);
        s.globalMatchingScoreResultList =
            rankMotifs(lists.globalBestMatchLists, s.commonBestScoreGlobalList);
        *s.console << std::endl;
        s.topGlobalMatchingResults =
            topLists(s.globalMatchingScoreResultList, lists.globalBestMatchLists, s.numTopMotif);
        if (tree) fillDistanceMatrixGlobal(s);
    }

    lists.allBestMatchLists = selectBestMatches(s, allMatchGroups, Matching::GlobalAndLocal);
    s.commonBestScoreResultList = rankMotifs(lists.allBestMatchLists, s.commonBestScoreList);
    *s.console << std::endl;

    if (s.combinedMotifFlag && typeAll(s)) {
        s.topGlobalAndLocalMatchingResults =
            topLists(s.commonBestScoreResultList, lists.allBestMatchLists, s.numTopMotif);
        for (const bestMatchList& list : lists.allBestMatchLists)
            if (!list.empty()) s.topBestMatchesResults.push_back(list);
    }
    return lists;
}
