// Buckets a result list in place by first motif and sorts every bucket.
#include <algorithm>

#include "compare/compare.h"

bool groupOrder(const dataCombinedScore& a, const dataCombinedScore& b) {
    if (a.similarityScore != b.similarityScore) return a.similarityScore < b.similarityScore;
    if (a.motifID2 != b.motifID2) return a.motifID2 < b.motifID2;
    if (a.direction != b.direction) return a.direction < b.direction;
    if (a.position != b.position) return a.position < b.position;
    if (a.matchFlag != b.matchFlag) return a.matchFlag > b.matchFlag;
    return a.motifID1 < b.motifID1;
}

std::vector<MatchGroup> groupByFirstMotif(std::vector<dataCombinedScore>& list,
                                          std::size_t motifCount, int threads) {
    const auto bucketOf = [](const dataCombinedScore& r) {
        return static_cast<std::size_t>(r.motifID1 - 1);
    };
    // One pass to count, one to place: the list is far too large to copy per motif.
    std::vector<std::size_t> begin(motifCount + 1, 0);
    for (const dataCombinedScore& r : list) ++begin[bucketOf(r) + 1];
    for (std::size_t k = 0; k < motifCount; ++k) begin[k + 1] += begin[k];
    std::vector<std::size_t> next(begin.begin(), begin.end() - 1);
    for (std::size_t k = 0; k < motifCount; ++k) {
        while (next[k] < begin[k + 1]) {
            const std::size_t home = bucketOf(list[next[k]]);
            if (home == k) ++next[k];
            else std::swap(list[next[k]], list[next[home]++]);
        }
    }

    if (threads < 1) threads = 1;
    const auto groups = static_cast<std::int64_t>(motifCount);
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads)
    for (std::int64_t k = 0; k < groups; ++k)
        std::sort(list.begin() + static_cast<std::ptrdiff_t>(begin[k]),
                  list.begin() + static_cast<std::ptrdiff_t>(begin[k + 1]), groupOrder);

    std::vector<MatchGroup> spans;
    spans.reserve(motifCount);
    for (std::size_t k = 0; k < motifCount; ++k)
        spans.emplace_back(list.data() + begin[k], begin[k + 1] - begin[k]);
    return spans;
}
