// The combination stage: each result set's groups merged, then its report written.
#include "combine/combinationStage.h"

namespace {

using GroupDriver = std::vector<combinedMatrices> (*)(const bestMatchList& group,
                                                      const std::vector<data>& motifs,
                                                      double simCutoff, int threads);

enum class Asked { Always, TypeAllOnly };

struct CombinationMode {
    std::vector<bestMatchList> RunState::*groups;
    GroupDriver combine;
    MergeChains RunState::*chains;
    void (*write)(RunState&);
    Asked asked;
};

// In the order the reports are written.
const CombinationMode kModes[] = {
    {&RunState::topGlobalMatchingResults, combinedMatrixGlobalMatching,
     &RunState::mergedMotifGlobalMatching, WriteCombinedMotifsGlobal, Asked::Always},
    {&RunState::topGlobalAndLocalMatchingResults, combinedMatrixGlobalAndLocalMatching,
     &RunState::mergedMotifGlobalAndLocalMatching, WriteCombinedMotifsGlobalAndLocal,
     Asked::TypeAllOnly},
    {&RunState::topBestMatchesResults, combinedMatrixBestMatches,
     &RunState::mergedMotifBestMatches, WriteCombinedMotifsBestMatches, Asked::TypeAllOnly},
};

// Groups merge independently of each other: each chain is built whole on one thread of
// the team, and the chains are filed in group order, so the lists and the reports are the
// same for any thread count. The many small scans of a chain gain nothing from a team.
constexpr int kThreadsPerChain = 1;

void combineGroups(const std::vector<bestMatchList>& groups, GroupDriver combine,
                   const RunState& s, int threads, MergeChains& chains) {
    MergeChains built(groups.size());
    const auto count = static_cast<std::int64_t>(groups.size());
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads)
    for (std::int64_t g = 0; g < count; ++g) {
        const bestMatchList& group = groups[static_cast<std::size_t>(g)];
        if (!group.empty())
            built[static_cast<std::size_t>(g)] =
                combine(group, s.Datasets, s.simCutoff, kThreadsPerChain);
    }
    for (std::vector<combinedMatrices>& chain : built)
        if (!chain.empty()) chains.push_back(std::move(chain));
}

}  // namespace

void combineSimilarMotifs(RunState& s) {
    const int threads = teamSize(s);
    for (const CombinationMode& m : kModes) {
        if (m.asked == Asked::TypeAllOnly && !typeAll(s)) continue;
        const std::vector<bestMatchList>& groups = s.*m.groups;
        // With type All a result set without groups keeps a bare report; a Global-Only
        // run always writes its one report, which then appends nothing.
        if (typeAll(s) && groups.empty()) continue;
        combineGroups(groups, m.combine, s, threads, s.*m.chains);
        m.write(s);
    }
}
