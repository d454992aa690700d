// combinedMatrixG, combinedMatrixGL and combinedMatrixB: one merge chain, three result sets.
#include "align/align.h"
#include "merge/merge.h"
#include "model/model.h"

namespace {

// The backward alignment is taken only when strictly better.
const dataCombinedScore* chosenAlignment(const std::vector<dataCombinedScore>& forward,
                                         const std::vector<dataCombinedScore>& backward) {
    if (forward.empty()) return backward.empty() ? nullptr : &backward.front();
    if (backward.empty()) return &forward.front();
    return backward.front().similarityScore < forward.front().similarityScore ? &backward.front()
                                                                              : &forward.front();
}

std::vector<combinedMatrices> mergeChain(const Matrix& currentMatrix, const bestMatchList& group,
                                         std::int32_t index, const std::vector<data>& motifs,
                                         double simCutoff, int threads) {
    std::vector<combinedMatrices> records;
    if (index < 0) return records;
    Matrix current = currentMatrix;
    // One step per entry; a step hands its merged matrix on to the next.
    for (auto i = static_cast<std::size_t>(index); i < group.size(); ++i) {
        const dataCombinedScore& e = group[i];
        const data* member = motifAt(motifs, e.motifID2);
        if (!member) {
            const auto refused = refusedRecords(group, i, Strand::Original, motifs);
            records.insert(records.end(), refused.begin(), refused.end());
            break;
        }
        // The member is always scanned as stored; the records name the strands that won.
        const auto forward = forwardScanTwoMatrices(current, member->matrix, simCutoff, threads);
        const auto backward = backwardScanTwoMatrices(current, member->matrix, simCutoff, threads);
        const dataCombinedScore* r = chosenAlignment(forward, backward);
        if (!r) break;

        Matrix first = r->matchFormat1 == Strand::Original ? current : getRevCompMotif(current);
        const Matrix& second = strandMatrix(*member, r->matchFormat2);
        Matrix merged = combinedTwoMatrices(first, second, *r);
        if (!mergeAccepted(merged, first, second, simCutoff)) {
            const auto refused = refusedRecords(group, i, r->matchFormat2, motifs);
            records.insert(records.end(), refused.begin(), refused.end());
            break;
        }
        // Each name stands beside its own matrix, format and drawing line, which are in the
        // scan's order whichever motif the record names first.
        current = merged;
        records.push_back(mergedRecord(*r, kCombinedMotifName, member->motifName,
                                       std::move(first), second, std::move(merged)));
    }
    return records;
}

}  // namespace

std::vector<combinedMatrices> combinedMatrixG(const Matrix& currentMatrix,
                                              const bestMatchList& group, std::int32_t index,
                                              const std::vector<data>& motifs, double simCutoff,
                                              int threads) {
    return mergeChain(currentMatrix, group, index, motifs, simCutoff, threads);
}

std::vector<combinedMatrices> combinedMatrixGL(const Matrix& currentMatrix,
                                               const bestMatchList& group, std::int32_t index,
                                               const std::vector<data>& motifs, double simCutoff,
                                               int threads) {
    return mergeChain(currentMatrix, group, index, motifs, simCutoff, threads);
}

std::vector<combinedMatrices> combinedMatrixB(const Matrix& currentMatrix,
                                              const bestMatchList& group, std::int32_t index,
                                              const std::vector<data>& motifs, double simCutoff,
                                              int threads) {
    return mergeChain(currentMatrix, group, index, motifs, simCutoff, threads);
}
