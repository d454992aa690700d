// The re-check of a merged matrix against its two parents.
#include "align/align.h"
#include "merge/merge.h"

double checkValue(const Matrix& merged, const Matrix& parent, double simCutoff, int threads) {
    const std::vector<dataCombinedScore> forward =
        forwardScanTwoMatrices(merged, parent, simCutoff, threads);
    const std::vector<dataCombinedScore> backward =
        backwardScanTwoMatrices(merged, parent, simCutoff, threads);
    double value = -1.0;
    if (!forward.empty()) value = forward.front().similarityScore;
    if (!backward.empty() && backward.front().similarityScore < value)
        value = backward.front().similarityScore;
    return value;
}

bool mergeAccepted(const Matrix& merged, const Matrix& parent1, const Matrix& parent2,
                   double simCutoff) {
    return forwardAlignmentFound(merged, parent1, simCutoff) &&
           forwardAlignmentFound(merged, parent2, simCutoff);
}
