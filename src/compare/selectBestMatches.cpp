// Every motif's best matches: its best record with each of its first distinct partners.
#include <algorithm>

#include "compare/compare.h"

std::vector<bestMatchList> selectBestMatches(const RunState& s,
                                             const std::vector<MatchGroup>& groups,
                                             Matching matching) {
    const auto datasetOf = [&](std::int32_t motifID) {
        return s.Datasets[static_cast<std::size_t>(motifID - 1)].datasetNumber;
    };
    const std::size_t limit = s.numBestMatches > 0 ? static_cast<std::size_t>(s.numBestMatches) : 0;

    std::vector<bestMatchList> lists(groups.size());
    std::vector<std::int32_t> partnerKeys;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        bestMatchList& list = lists[k];
        partnerKeys.clear();
        for (const dataCombinedScore& r : groups[k]) {
            if (list.size() >= limit) break;
            if (matching == Matching::Global && datasetOf(r.motifID1) == datasetOf(r.motifID2))
                continue;
            // Partners are told apart by identifier: names repeat, and number texts of
            // six digits collide from a million motifs on.
            if (std::find(partnerKeys.begin(), partnerKeys.end(), r.motifID2) !=
                partnerKeys.end())
                continue;
            partnerKeys.push_back(r.motifID2);
            list.push_back(r);
        }
    }
    return lists;
}
