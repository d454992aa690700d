// The combination drivers: a group's first merge, its check, and the hand-over to its chain.
#include "align/align.h"
#include "combine/combine.h"

namespace {

using ChainStep = std::vector<combinedMatrices> (*)(const Matrix& currentMatrix,
                                                    const bestMatchList& group, std::int32_t index,
                                                    const std::vector<data>& motifs,
                                                    double simCutoff, int threads);

// Each result set's own merge chain, by MergeMode.
constexpr ChainStep kChainSteps[] = {combinedMatrixG, combinedMatrixGL, combinedMatrixB};

std::vector<combinedMatrices> combineGroup(MergeMode mode, const bestMatchList& group,
                                           const std::vector<data>& motifs, double simCutoff,
                                           int threads) {
    if (group.empty()) return {};
    const dataCombinedScore& e = group.front();
    // Merged in the scan's own order, which the entry's placement and formats describe;
    // in the entry's order a mirrored entry would be merged misplaced.
    const std::optional<ScannedPair> pair = scannedPair(e, motifs);
    if (!pair) return refusedRecords(group, 0, Strand::Original, motifs);
    Matrix merged = combinedTwoMatrices(*pair->matrix1, *pair->matrix2, e);
    if (!mergeAccepted(merged, *pair->matrix1, *pair->matrix2, simCutoff))
        return refusedRecords(group, 0, pair->strandOfSecondMotif, motifs);

    // Each name stands beside its own matrix, format and drawing line, which are in the
    // scan's order; the record's identifiers keep the group's motif first.
    const data& first = *motifAt(motifs, e.matchFlag ? e.motifID1 : e.motifID2);
    const data& second = *motifAt(motifs, e.matchFlag ? e.motifID2 : e.motifID1);
    std::vector<combinedMatrices> chain;
    chain.push_back(mergedRecord(e, first.motifName, second.motifName, *pair->matrix1,
                                 *pair->matrix2, merged));
    if (group.size() >= 2) {
        const auto steps = kChainSteps[static_cast<std::size_t>(mode)](merged, group, 1, motifs,
                                                                       simCutoff, threads);
        chain.insert(chain.end(), steps.begin(), steps.end());
    }
    return chain;
}

}  // namespace

std::vector<combinedMatrices> combinedMatrixGlobalMatching(const bestMatchList& group,
                                                           const std::vector<data>& motifs,
                                                           double simCutoff, int threads) {
    return combineGroup(MergeMode::Global, group, motifs, simCutoff, threads);
}

std::vector<combinedMatrices> combinedMatrixGlobalAndLocalMatching(const bestMatchList& group,
                                                                   const std::vector<data>& motifs,
                                                                   double simCutoff, int threads) {
    return combineGroup(MergeMode::GlobalAndLocal, group, motifs, simCutoff, threads);
}

std::vector<combinedMatrices> combinedMatrixBestMatches(const bestMatchList& group,
                                                        const std::vector<data>& motifs,
                                                        double simCutoff, int threads) {
    return combineGroup(MergeMode::BestMatches, group, motifs, simCutoff, threads);
}
