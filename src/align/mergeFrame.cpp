// The common rows on which a record lays two aligned matrices out.
#include <algorithm>

#include "align/align.h"

std::optional<MergeFrame> mergeFrame(std::size_t rows1, std::size_t rows2,
                                     const dataCombinedScore& r) {
    // 64-bit signed throughout: a record that fits no placement can make any of these
    // negative or larger than either matrix.
    const auto l1 = static_cast<std::int64_t>(rows1);
    const auto l2 = static_cast<std::int64_t>(rows2);
    const std::int64_t s = std::int64_t{r.position} - 1;
    const std::int64_t w = l1 + l2 - std::int64_t{r.overlapLength};
    const bool forward = r.direction == Direction::Forward;
    // Where a motif of `rows` rows starts when its last row lies on `lastRow`.
    const auto endingAt = [](std::int64_t lastRow, std::int64_t rows) {
        return lastRow - rows + 1;
    };

    MergeFrame f{.width = w};
    if (r.position <= 1) {
        f.start1 = forward ? 0 : endingAt(w - 1, l1);
        f.start2 = forward ? 0 : endingAt(w - 1, l2);
    } else if (w == std::max(l1, l2)) {
        // One lies within the other, s rows in; the longer fills the frame.
        if (l1 < l2) f.start1 = forward ? s : endingAt(w - 1 - s, l1);
        if (l2 < l1) f.start2 = forward ? s : endingAt(w - 1 - s, l2);
    } else if (w > l1 && w > l2) {
        // The record's first motif lies s rows into its second, which starts the frame
        // (forward) or ends it (backward).
        const bool firstIs1 = r.matchFlag;
        const std::int64_t lFirst = firstIs1 ? l1 : l2;
        const std::int64_t lSecond = firstIs1 ? l2 : l1;
        const std::int64_t startFirst = forward ? s : endingAt(w - 1 - s, lFirst);
        const std::int64_t startSecond = forward ? 0 : endingAt(w - 1, lSecond);
        f.start1 = firstIs1 ? startFirst : startSecond;
        f.start2 = firstIs1 ? startSecond : startFirst;
    } else {
        return std::nullopt;
    }

    const bool inside1 = f.start1 >= 0 && f.start1 + l1 <= w;
    const bool inside2 = f.start2 >= 0 && f.start2 + l2 <= w;
    const std::int64_t shared =
        std::min(f.start1 + l1, f.start2 + l2) - std::max(f.start1, f.start2);
    if (w < 1 || !inside1 || !inside2 || shared != r.overlapLength) return std::nullopt;
    return f;
}
