// Motif rankings by the summed keys of their best matches, and the top lists they give.
#include <algorithm>

#include "compare/compare.h"

std::vector<commonBestMatches> rankMotifs(const std::vector<bestMatchList>& lists,
                                          commonBestMatches& scratch) {
    std::vector<commonBestMatches> ranking;
    ranking.reserve(lists.size());
    for (std::size_t k = 0; k < lists.size(); ++k) {
        scratch.motifID = static_cast<std::int64_t>(k + 1);
        scratch.scoreSum = 0.0;
        for (const dataCombinedScore& r : lists[k]) scratch.scoreSum += r.similarityScore;
        ranking.push_back(scratch);
    }
    // Stable: equal sums stay in motifID order, whatever the thread count.
    std::stable_sort(ranking.begin(), ranking.end(), scratch);
    return ranking;
}

std::vector<bestMatchList> topLists(const std::vector<commonBestMatches>& ranking,
                                    const std::vector<bestMatchList>& lists, std::int32_t limit) {
    std::vector<bestMatchList> top;
    for (const commonBestMatches& entry : ranking) {
        if (static_cast<std::int64_t>(top.size()) >= limit) break;
        const bestMatchList& list = lists[static_cast<std::size_t>(entry.motifID - 1)];
        if (!list.empty()) top.push_back(list);
    }
    return top;
}
