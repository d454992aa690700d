// alignTwoMatrices: the two-line drawing of a merge, and its split into the two lines.
#include <algorithm>

#include "align/align.h"
#include "model/model.h"

namespace {

// Where one motif's letters go: from a first column on, back from a last column, or the
// whole line replaced by the consensus (the motif that fills the frame).
struct Letters {
    enum class From : std::uint8_t { Begin, End, Whole } from = From::Begin;
    std::int64_t column = 0;
};

Letters beginAt(std::int64_t column) { return {Letters::From::Begin, column}; }
Letters endAt(std::int64_t column) { return {Letters::From::End, column}; }
Letters whole() { return {Letters::From::Whole, 0}; }

// False when a letter would fall outside the line; the line is then left as it was.
bool place(std::string& line, const std::string& consensus, Letters at) {
    if (at.from == Letters::From::Whole) {
        line = consensus;
        return true;
    }
    const auto count = static_cast<std::int64_t>(consensus.size());
    const std::int64_t first = at.from == Letters::From::Begin ? at.column : at.column - count + 1;
    if (count == 0) return true;
    if (first < 0 || first + count > static_cast<std::int64_t>(line.size())) return false;
    std::copy(consensus.begin(), consensus.end(), line.begin() + first);
    return true;
}

}  // namespace

// The drawing takes the record's placement at its word for any arguments, unlike the merge,
// which refuses what places no such pair: a letter is drawn wherever it falls in its line.
std::string alignTwoMatrices(const Matrix& matrix1, const Matrix& matrix2,
                             const dataCombinedScore& r) {
    const auto l1 = static_cast<std::int64_t>(matrix1.size());
    const auto l2 = static_cast<std::int64_t>(matrix2.size());
    const std::int64_t s = std::int64_t{r.position} - 1;
    const std::int64_t w = l1 + l2 - std::int64_t{r.overlapLength};
    const bool forward = r.direction == Direction::Forward;
    std::int64_t width = std::max<std::int64_t>(w, 0);

    Letters at1, at2;
    if (r.position <= 1) {
        at1 = forward ? beginAt(0) : endAt(w - 1);
        at2 = at1;
    } else if (w == std::max(l1, l2)) {
        // One lies within the other, s rows in; the longer fills the line.
        const Letters inside = forward ? beginAt(s) : endAt(w - 1 - s);
        at1 = l1 >= l2 ? whole() : inside;
        at2 = l2 >= l1 ? whole() : inside;
    } else if (w > l1 && w > l2) {
        if (r.matchFlag) {
            at1 = forward ? beginAt(s) : endAt(w - 1 - s);
            at2 = forward ? beginAt(0) : endAt(w - 1);
        } else if (forward || l1 >= l2) {
            at1 = forward ? beginAt(0) : endAt(w - 1);
            at2 = forward ? beginAt(s) : endAt(w - 1 - s);
        } else {
            at1 = endAt(w - 1);
            at2 = beginAt(0);
        }
        // A longer matrix2 expects to start s rows into matrix1; an overlap that says
        // otherwise gets room for every letter.
        if (!r.matchFlag && l1 < l2 && r.overlapLength != l1 - s) {
            width += l2 + s;
            if (!forward) at1 = endAt(l2 + s - 1);
        }
    } else {
        return {};
    }

    std::string line1(static_cast<std::size_t>(width), '-');
    std::string line2 = line1;
    if (!place(line1, getConsensusString(matrix1), at1) ||
        !place(line2, getConsensusString(matrix2), at2))
        return {};
    return line1 + "_" + line2;
}

std::pair<std::string, std::string> splitAlignment(const std::string& text) {
    const std::size_t cut = text.find('_');
    if (cut == std::string::npos) return {text, text};
    return {text.substr(0, cut), text.substr(cut + 1)};
}
