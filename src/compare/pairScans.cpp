// forwardScan and backwardScan: every pair of input motifs, one task per pair.
#include <algorithm>

#include "compare/compare.h"

namespace {

void scanInputPairs(RunState& s, Direction direction) {
    const std::size_t m = s.Datasets.size();
    if (m < 2) return;
    // Pairs (i, j), i < j, numbered in the order i ascending, then j ascending.
    std::vector<std::size_t> rowStart(m);
    std::size_t pairs = 0;
    for (std::size_t i = 0; i < m; ++i) {
        rowStart[i] = pairs;
        pairs += m - 1 - i;
    }
    const ScanLimits limits = scanLimits(s);
    const std::vector<data>& motifs = s.Datasets;

    parallelScan(pairs, teamSize(s),
                 [&](std::size_t first, std::size_t last, std::vector<dataCombinedScore>& out) {
                     std::size_t i = static_cast<std::size_t>(
                         std::upper_bound(rowStart.begin(), rowStart.end(), first) -
                         rowStart.begin() - 1);
                     std::size_t j = i + 1 + (first - rowStart[i]);
                     for (std::size_t p = first; p < last; ++p) {
                         scanPairBothOrders(scanMotif(motifs[i]), scanMotif(motifs[j]),
                                            direction, limits, out);
                         if (++j == m) {
                             ++i;
                             j = i + 1;
                         }
                     }
                 },
                 s.DatasetsCombinedScoreLists);
}

}  // namespace

void forwardScan(RunState& s) { scanInputPairs(s, Direction::Forward); }
void backwardScan(RunState& s) { scanInputPairs(s, Direction::Backward); }
