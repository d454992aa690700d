// Ranking of the input comparison: groups, best matches, rankings, top lists, sections.
#include "compare/compare.h"
#include "state/state.h"

void getResultsList(RunState& s) {
    const bool tree = s.motifCluster;
    // Groups are runs of DatasetsCombinedScoreLists itself; the cross-file groups are the
    // same runs read through the global-matching test, in the same order.
    const std::vector<MatchGroup> allMatchGroups =
        groupByFirstMotif(s.DatasetsCombinedScoreLists, s.Datasets.size(), teamSize(s));

    if (tree) fillDistanceMatrix(s, allMatchGroups);

    if (s.numFile > 1) {
        const std::vector<bestMatchList> globalBestMatchLists =
            selectBestMatches(s, allMatchGroups, Matching::Global);
        s.globalMatchingScoreResultList =
            rankMotifs(globalBestMatchLists, s.commonBestScoreGlobalList);
        *s.console << std::endl;
        s.topGlobalMatchingResults =
            topLists(s.globalMatchingScoreResultList, globalBestMatchLists, s.numTopMotif);
        if (tree) fillDistanceMatrixGlobal(s);
        writeGlobalMatchingSections(s, globalBestMatchLists);
    } else {
        writeOneFileNotices(s);
    }

    const std::vector<bestMatchList> allBestMatchLists =
        selectBestMatches(s, allMatchGroups, Matching::GlobalAndLocal);
    s.commonBestScoreResultList = rankMotifs(allBestMatchLists, s.commonBestScoreList);
    *s.console << std::endl;

    if (s.combinedMotifFlag && typeAll(s)) {
        s.topGlobalAndLocalMatchingResults =
            topLists(s.commonBestScoreResultList, allBestMatchLists, s.numTopMotif);
        for (const bestMatchList& list : allBestMatchLists)
            if (!list.empty()) s.topBestMatchesResults.push_back(list);
    }

    if (typeAll(s)) writeAllMatchesSections(s, allBestMatchLists);
}
