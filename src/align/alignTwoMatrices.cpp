// alignTwoMatrices: the two-line drawing of a merge, and its split into the two lines.
#include <algorithm>

#include "align/align.h"
#include "model/model.h"

namespace {

// Letters on a motif's own columns, from its first column (Begin) or back from its last
// (End); a consensus shorter than its matrix leaves the far columns '-'.
void placeLetters(std::string& line, const std::string& consensus, std::int64_t start,
                  std::size_t rows, Anchor anchor) {
    const std::size_t count = std::min(consensus.size(), rows);
    for (std::size_t k = 0; k < count; ++k) {
        const std::int64_t column = anchor == Anchor::Begin
                                        ? start + static_cast<std::int64_t>(k)
                                        : start + static_cast<std::int64_t>(rows - 1 - k);
        const char letter =
            anchor == Anchor::Begin ? consensus[k] : consensus[consensus.size() - 1 - k];
        line[static_cast<std::size_t>(column)] = letter;
    }
}

}  // namespace

std::string alignTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                             const dataCombinedScore& r) {
    const std::optional<MergeFrame> frame = mergeFrame(matrix1.size(), matrix2.size(), r);
    if (!frame) return {};
    const std::string c1 = getConsensusString(matrix1);
    const std::string c2 = getConsensusString(matrix2);
    const std::string dashes(static_cast<std::size_t>(frame->width), '-');

    std::string line1 = dashes;
    std::string line2 = dashes;
    if (frame->whole1) line1 = c1;
    else placeLetters(line1, c1, frame->start1, matrix1.size(), frame->anchor1);
    if (frame->whole2) line2 = c2;
    else placeLetters(line2, c2, frame->start2, matrix2.size(), frame->anchor2);
    return line1 + "_" + line2;
}

std::pair<std::string, std::string> splitAlignment(const std::string& text) {
    const std::size_t cut = text.find('_');
    if (cut == std::string::npos) return {text, text};
    return {text.substr(0, cut), text.substr(cut + 1)};
}
