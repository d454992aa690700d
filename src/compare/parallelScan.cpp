// Spreads scan tasks over the run's threads and joins their records in task order.
#include <omp.h>

#include <algorithm>

#include "compare/compare.h"


void parallelScan(std::size_t taskCount, int threads, const ScanTasks& scanTasks,
                  std::vector<dataCombinedScore>& list) {
    if (taskCount == 0) return;
    if (threads < 1) threads = 1;
    // Many more chunks than threads, so that uneven pairs even out; one team for the
    // whole scan rather than one per pair.
    const std::size_t chunks =
        std::min<std::size_t>(taskCount, static_cast<std::size_t>(threads) * 64);
    std::vector<std::vector<dataCombinedScore>> found(chunks);
    const auto chunkStart = [&](std::size_t c) { return taskCount * c / chunks; };

    const auto chunkCount = static_cast<std::int64_t>(chunks);
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads)
    for (std::int64_t c = 0; c < chunkCount; ++c) {
        const auto k = static_cast<std::size_t>(c);
        scanTasks(chunkStart(k), chunkStart(k + 1), found[k]);
    }

    // Join in task order: the list must not depend on the thread count.
    std::size_t total = 0;
    for (const auto& chunk : found) total += chunk.size();
    list.reserve(list.size() + total);
    for (auto& chunk : found) {
        list.insert(list.end(), chunk.begin(), chunk.end());
        std::vector<dataCombinedScore>().swap(chunk);
    }
}
