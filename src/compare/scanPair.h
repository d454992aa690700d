// The scan core every scan shares: one pair of motifs, one direction, one record order,
// and the team of threads that runs many such pair scans and joins their records in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/records.h"

// Which motif of the pair (i before j) a scan body writes as the record's first motif.
enum class RecordOrder : std::uint8_t { pairOrder, mirroredOrder };

// One motif as a scan sees it; the matrices are borrowed, never copied.
struct ScanMotif {
    const Matrix* matrix = nullptr;
    const Matrix* revCompMatrix = nullptr;
    std::int32_t motifID = 0;
};
inline ScanMotif scanMotif(const data& m) {
    return {&m.matrix, &m.revCompMatrix, static_cast<std::int32_t>(m.motifID)};
}

struct ScanLimits {
    double maxScore = kMaxCellScore;        // score of a perfectly matching cell
    std::int32_t overlap = kMinimumOverlap; // fewest aligned rows
    double simCutoff = 0.0;     // smallest score kept
};

// Scores every placement of one pair in one direction with the order's motif first and
// appends a record for each placement whose best strand pairing reaches the cutoff.
// "One" of the pairings is always i and "Two" always j. A motif shorter than the overlap
// gives nothing.
void scanPair(const ScanMotif& i, const ScanMotif& j, RecordOrder order, Direction direction,
              const ScanLimits& limits, std::vector<dataCombinedScore>& out);

// Both bodies of a pair in one direction: pairOrder, then mirroredOrder.
void scanPairBothOrders(const ScanMotif& i, const ScanMotif& j, Direction direction,
                        const ScanLimits& limits, std::vector<dataCombinedScore>& out);

// Runs `taskCount` independent scan tasks on `threads` threads. Tasks are cut into
// contiguous chunks, each scanned into its own buffer by `scanTasks(first, last, buffer)`;
// the buffers are appended to `list` in task order, so the list is the same for any
// thread count.
using ScanTasks =
    std::function<void(std::size_t first, std::size_t last, std::vector<dataCombinedScore>&)>;
void parallelScan(std::size_t taskCount, int threads, const ScanTasks& scanTasks,
                  std::vector<dataCombinedScore>& list);
