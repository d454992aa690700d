// forwardScanTwoMatrices and backwardScanTwoMatrices: one pair of matrices, both passes;
// and the plain question whether a forward alignment exists.
#include <algorithm>

#include "align/align.h"
#include "compare/scanPair.h"
#include "model/model.h"

namespace {

template <Direction D>
std::vector<dataCombinedScore> scanTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                                               double simCutoff, int threads) {
    const Matrix rc1 = getRevCompMotif(matrix1);
    const Matrix rc2 = getRevCompMotif(matrix2);
    const ScanMotif one{&matrix1, &rc1, kScanMatrix1};
    const ScanMotif two{&matrix2, &rc2, kScanMatrix2};
    const ScanLimits limits{.simCutoff = simCutoff};

    // One task per pass, joined straight pass first: the list is the same for any thread
    // count before it is sorted. Threads beyond one per pass would only wait.
    constexpr RecordOrder kPasses[] = {RecordOrder::pairOrder, RecordOrder::mirroredOrder};
    constexpr int kPassCount = 2;
    std::vector<dataCombinedScore> list;
    parallelScan(
        kPassCount, std::min(threads, kPassCount),
        [&](std::size_t first, std::size_t last, std::vector<dataCombinedScore>& out) {
            for (std::size_t p = first; p < last; ++p)
                scanPair(one, two, kPasses[p], D, limits, out);
        },
        list);

    // Forward and backward lists share one key, so their first records compare.
    const maxScores ideal = pairIdeal(matrix1.size(), matrix2.size());
    for (dataCombinedScore& r : list) r.similarityScore = similarityKey(r, ideal);
    // Stable: a perfect alignment gives several records of one key.
    std::stable_sort(list.begin(), list.end(), comparison);
    return list;
}

}  // namespace

std::vector<dataCombinedScore> forwardScanTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                                                      double simCutoff, int threads) {
    return scanTwoMatrices<Direction::Forward>(matrix1, matrix2, simCutoff, threads);
}

std::vector<dataCombinedScore> backwardScanTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                                                       double simCutoff, int threads) {
    return scanTwoMatrices<Direction::Backward>(matrix1, matrix2, simCutoff, threads);
}

bool forwardAlignmentFound(const Matrix& matrix1, const Matrix& matrix2, double simCutoff) {
    const Matrix rc1 = getRevCompMotif(matrix1);
    const Matrix rc2 = getRevCompMotif(matrix2);
    const ScanMotif one{&matrix1, &rc1, kScanMatrix1};
    const ScanMotif two{&matrix2, &rc2, kScanMatrix2};
    const ScanLimits limits{.simCutoff = simCutoff};
    std::vector<dataCombinedScore> found;
    for (const RecordOrder order : {RecordOrder::pairOrder, RecordOrder::mirroredOrder}) {
        scanPair(one, two, order, Direction::Forward, limits, found);
        if (!found.empty()) return true;
    }
    return false;
}
