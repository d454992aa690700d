// The two-motif toolkit: scans of one explicit pair of matrices, the merge of two aligned
// matrices and the two-line drawing of their alignment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/records.h"

// Records of a two-matrix scan name matrix1 as motif 1 and matrix2 as motif 2.
inline constexpr std::int32_t kScanMatrix1 = 1;
inline constexpr std::int32_t kScanMatrix2 = 2;

// Every forward (backward) alignment of the pair on both strands whose score reaches the
// cutoff: the straight pass, then the mirrored one, each in shift order, then sorted
// stably by key. The list is the same for any thread count; empty when either matrix is
// shorter than the minimum overlap.
std::vector<dataCombinedScore> forwardScanTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                                                      double simCutoff, int threads);
std::vector<dataCombinedScore> backwardScanTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                                                       double simCutoff, int threads);

// Whether forwardScanTwoMatrices would find any alignment: the straight pass first, the
// mirrored one only when that finds none. No list, no keys, one thread.
bool forwardAlignmentFound(const Matrix& matrix1, const Matrix& matrix2, double simCutoff);

// The best values a pair of rows1 and rows2 rows could reach: a perfect score over the
// whole shorter motif. A two-matrix record's similarityKey is its distance from them.
inline maxScores pairIdeal(std::size_t rows1, std::size_t rows2) {
    const std::size_t shorter = rows1 < rows2 ? rows1 : rows2;
    return {.bestScore = kMaxCellScore, .longestOverlap = static_cast<std::int32_t>(shorter)};
}

// Where a record lays matrix1 and matrix2 out on their common rows: the frame has `width`
// rows, and each matrix runs from its start over its own rows.
struct MergeFrame {
    std::int64_t width = 0;
    std::int64_t start1 = 0;
    std::int64_t start2 = 0;
};

// The frame of matrices of rows1 and rows2 rows placed as the record says (its matchFlag,
// direction, position and overlapLength, matrix1 being the scan's first motif). None when
// the record describes no placement of the two: a motif would leave the frame or the rows
// lying on each other would not number overlapLength.
std::optional<MergeFrame> mergeFrame(std::size_t rows1, std::size_t rows2,
                                     const dataCombinedScore& r);

// One row per frame row: the mean of both matrices where they lie on each other, else a
// copy of the one that covers it. Empty when the record places no such pair.
Matrix combinedTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                           const dataCombinedScore& r);

// The two lines of the alignment joined by "_": '-' everywhere but on each matrix's own
// frame rows, which carry its consensus letters. Arguments that place no such pair are
// drawn as their position, overlap and flag say all the same; empty only when a letter
// would fall outside its line.
std::string alignTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                             const dataCombinedScore& r);

// The drawing cut at its first "_"; a text without one gives both lines the whole text.
std::pair<std::string, std::string> splitAlignment(const std::string& text);
