// The scan core: every placement of one motif pair, scored in the four strand pairings.
#include <cmath>

#include "compare/compare.h"

namespace {

// Pairings in the order they are tried: strands of i and of j.
constexpr Strand kStrandOfI[4] = {Strand::Original, Strand::Original, Strand::RevComp,
                                  Strand::RevComp};
constexpr Strand kStrandOfJ[4] = {Strand::Original, Strand::RevComp, Strand::Original,
                                  Strand::RevComp};

// A later pairing wins only when strictly greater; a NaN score never wins and never
// holds on to the lead.
int winningPairing(const double (&score)[4]) {
    int w = 0;
    for (int k = 1; k < 4; ++k)
        if (score[k] > score[w] || (std::isnan(score[w]) && !std::isnan(score[k]))) w = k;
    return w;
}

template <Direction D, RecordOrder O>
void scanBody(const ScanMotif& i, const ScanMotif& j, const ScanLimits& limits,
              std::vector<dataCombinedScore>& out) {
    constexpr bool iFirst = O == RecordOrder::pairOrder;
    const ScanMotif& first = iFirst ? i : j;
    const ScanMotif& second = iFirst ? j : i;
    const std::int32_t lf = static_cast<std::int32_t>(first.matrix->size());
    const std::int32_t ls = static_cast<std::int32_t>(second.matrix->size());
    const Row* iM = i.matrix->data();
    const Row* iR = i.revCompMatrix->data();
    const Row* jM = j.matrix->data();
    const Row* jR = j.revCompMatrix->data();
    const double maxScore = limits.maxScore;

    const std::int32_t overlap = limits.overlap < 1 ? 1 : limits.overlap;
    const std::int32_t shifts = ls - overlap + 1;
    for (std::int32_t s = 0; s < shifts; ++s) {
        const std::int32_t n = lf < ls - s ? lf : ls - s;
        // One running sum per pairing, in row order from the anchored end, columns A, C,
        // G, T within a row: the order of the additions is part of the result.
        double sum[4] = {0.0, 0.0, 0.0, 0.0};
        for (std::int32_t t = 0; t < n; ++t) {
            const std::int32_t fRow = D == Direction::Forward ? t : lf - 1 - t;
            const std::int32_t sRow = D == Direction::Forward ? s + t : ls - 1 - t - s;
            const std::int32_t iRow = iFirst ? fRow : sRow;
            const std::int32_t jRow = iFirst ? sRow : fRow;
            const Row& a = iM[iRow];
            const Row& ar = iR[iRow];
            const Row& b = jM[jRow];
            const Row& br = jR[jRow];
            for (int c = 0; c < 4; ++c) {
                sum[0] += maxScore - std::fabs(a[c] - b[c]);
                sum[1] += maxScore - std::fabs(a[c] - br[c]);
                sum[2] += maxScore - std::fabs(ar[c] - b[c]);
                sum[3] += maxScore - std::fabs(ar[c] - br[c]);
            }
        }
        const double divisor = static_cast<double>(4 * n);
        const double score[4] = {sum[0] / divisor, sum[1] / divisor, sum[2] / divisor,
                                 sum[3] / divisor};
        const int w = winningPairing(score);
        if (!(score[w] >= limits.simCutoff)) continue;

        dataCombinedScore r;
        r.motifID1 = first.motifID;
        r.motifID2 = second.motifID;
        r.position = s + 1;
        r.overlapLength = n;
        r.direction = D;
        r.matchFlag = iFirst;
        r.matchFormat1 = kStrandOfI[w];
        r.matchFormat2 = kStrandOfJ[w];
        r.alignmentScore = score[w];
        out.push_back(r);
    }
}

}  // namespace

void scanPair(const ScanMotif& i, const ScanMotif& j, RecordOrder order, Direction direction,
              const ScanLimits& limits, std::vector<dataCombinedScore>& out) {
    const auto shortest = static_cast<std::size_t>(limits.overlap < 1 ? 1 : limits.overlap);
    if (i.matrix->size() < shortest || j.matrix->size() < shortest) return;
    // A reverse complement always has the matrix's rows; anything else is not a motif.
    if (i.revCompMatrix->size() != i.matrix->size() ||
        j.revCompMatrix->size() != j.matrix->size())
        return;
    const bool pair = order == RecordOrder::pairOrder;
    if (direction == Direction::Forward) {
        if (pair) scanBody<Direction::Forward, RecordOrder::pairOrder>(i, j, limits, out);
        else scanBody<Direction::Forward, RecordOrder::mirroredOrder>(i, j, limits, out);
    } else {
        if (pair) scanBody<Direction::Backward, RecordOrder::pairOrder>(i, j, limits, out);
        else scanBody<Direction::Backward, RecordOrder::mirroredOrder>(i, j, limits, out);
    }
}

void scanPairBothOrders(const ScanMotif& i, const ScanMotif& j, Direction direction,
                        const ScanLimits& limits, std::vector<dataCombinedScore>& out) {
    scanPair(i, j, RecordOrder::pairOrder, direction, limits, out);
    scanPair(i, j, RecordOrder::mirroredOrder, direction, limits, out);
}
