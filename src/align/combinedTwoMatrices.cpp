// combinedTwoMatrices: the merged matrix of two aligned motifs.
#include "align/align.h"

Matrix combinedTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                           const dataCombinedScore& r) {
    const std::optional<MergeFrame> frame = mergeFrame(matrix1.size(), matrix2.size(), r);
    if (!frame) return {};
    const auto end1 = frame->start1 + static_cast<std::int64_t>(matrix1.size());
    const auto end2 = frame->start2 + static_cast<std::int64_t>(matrix2.size());

    Matrix merged;
    merged.reserve(static_cast<std::size_t>(frame->width));
    for (std::int64_t p = 0; p < frame->width; ++p) {
        const bool in1 = p >= frame->start1 && p < end1;
        const bool in2 = p >= frame->start2 && p < end2;
        const Row* a = in1 ? &matrix1[static_cast<std::size_t>(p - frame->start1)] : nullptr;
        const Row* b = in2 ? &matrix2[static_cast<std::size_t>(p - frame->start2)] : nullptr;
        if (a && b) {
            Row mean;
            for (int c = 0; c < 4; ++c) mean[c] = ((*a)[c] + (*b)[c]) * 0.5;
            merged.push_back(mean);
        } else {
            // A frame covers every row with one matrix or both.
            merged.push_back(a ? *a : *b);
        }
    }
    return merged;
}
