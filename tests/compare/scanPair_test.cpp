// The scan core: geometry of the six bodies, bit-exact scores, strands, cutoff and NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "compare/compare.h"
#include "compare/fixtures.h"
#include "model/model.h"

namespace {

using Records = std::vector<dataCombinedScore>;

Records scan(const data& i, const data& j, RecordOrder order, Direction direction,
             double cutoff) {
    Records out;
    scanPair(scanMotif(i), scanMotif(j), order, direction, {.simCutoff = cutoff}, out);
    return out;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// ---- An independent model of one placement, written from the geometry tables ----------

struct Placement {
    std::vector<int> rowsOfFirst, rowsOfSecond;  // compared row pairs, in summation order
};

std::vector<int> range(int from, int to) {  // from..to inclusive, ascending
    std::vector<int> r;
    for (int k = from; k <= to; ++k) r.push_back(k);
    return r;
}
std::vector<int> reversed(std::vector<int> v) { return {v.rbegin(), v.rend()}; }

// Every placement of a body, in shift order, from the per-case tables.
std::vector<Placement> placements(int lf, int ls, Direction direction) {
    std::vector<Placement> all;
    for (int s = 0; s <= ls - 4; ++s) {
        Placement p;
        if (direction == Direction::Forward) {
            const int n = std::min(lf, ls - s);
            p.rowsOfFirst = range(0, n - 1);
            p.rowsOfSecond = range(s, s + n - 1);
        } else if (lf == ls) {
            p.rowsOfFirst = reversed(range(s, lf - 1));
            p.rowsOfSecond = reversed(range(0, lf - 1 - s));
        } else if (lf > ls) {
            p.rowsOfFirst = reversed(range(lf - ls + s, lf - 1));
            p.rowsOfSecond = reversed(range(0, ls - 1 - s));
        } else if (s <= ls - lf) {
            p.rowsOfFirst = reversed(range(0, lf - 1));
            p.rowsOfSecond = reversed(range(ls - lf - s, ls - 1 - s));
        } else {
            p.rowsOfFirst = reversed(range(lf - ls + s, lf - 1));
            p.rowsOfSecond = reversed(range(0, ls - 1 - s));
        }
        all.push_back(p);
    }
    return all;
}

struct ModelResult {
    double score;
    Strand strandOfI, strandOfJ;
};

ModelResult modelScore(const data& i, const data& j, bool iFirst, const Placement& p) {
    const Matrix* iStrand[2] = {&i.matrix, &i.revCompMatrix};
    const Matrix* jStrand[2] = {&j.matrix, &j.revCompMatrix};
    const int pairing[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    double best = 0;
    int winner = -1;
    for (int k = 0; k < 4; ++k) {
        std::vector<double> cells;
        for (std::size_t t = 0; t < p.rowsOfFirst.size(); ++t) {
            const int iRow = iFirst ? p.rowsOfFirst[t] : p.rowsOfSecond[t];
            const int jRow = iFirst ? p.rowsOfSecond[t] : p.rowsOfFirst[t];
            for (int c = 0; c < 4; ++c)
                cells.push_back(1.0 - std::abs((*iStrand[pairing[k][0]])[iRow][c] -
                                               (*jStrand[pairing[k][1]])[jRow][c]));
        }
        double sum = 0.0;
        for (double v : cells) sum += v;
        const double score = sum / (4.0 * static_cast<double>(p.rowsOfFirst.size()));
        if (winner < 0 || score > best) {
            best = score;
            winner = k;
        }
    }
    return {best, pairing[winner][0] ? Strand::RevComp : Strand::Original,
            pairing[winner][1] ? Strand::RevComp : Strand::Original};
}

data randomMotif(std::int64_t id, int length, std::mt19937& rng) {
    std::uniform_int_distribution<int> count(0, 20);
    std::vector<Row> rows;
    for (int k = 0; k < length; ++k)
        rows.push_back({double(count(rng)), double(count(rng)), double(count(rng)),
                        double(count(rng)) + 1.0});
    return countMotif(id, 1, rows);
}

TEST(scanPair, matchesTheModelBitForBitInEveryBody) {
    std::mt19937 rng(7);
    const int lengths[][2] = {{4, 4}, {4, 6}, {6, 4}, {5, 8}, {8, 5}, {6, 10}, {12, 7}, {9, 9}};
    for (const auto& [li, lj] : lengths)
        for (int trial = 0; trial < 5; ++trial) {
            const data i = randomMotif(3, li, rng), j = randomMotif(7, lj, rng);
            for (Direction d : {Direction::Forward, Direction::Backward})
                for (RecordOrder o : {RecordOrder::pairOrder, RecordOrder::mirroredOrder}) {
                    const bool iFirst = o == RecordOrder::pairOrder;
                    const Records got = scan(i, j, o, d, 0.0);
                    const auto expected = placements(iFirst ? li : lj, iFirst ? lj : li, d);
                    ASSERT_EQ(got.size(), expected.size()) << li << "/" << lj;
                    for (std::size_t s = 0; s < got.size(); ++s) {
                        const ModelResult m = modelScore(i, j, iFirst, expected[s]);
                        const dataCombinedScore& r = got[s];
                        SCOPED_TRACE(testing::Message() << li << "/" << lj << " dir "
                                                        << directionText(d) << " iFirst "
                                                        << iFirst << " shift " << s);
                        EXPECT_TRUE(sameBits(r.alignmentScore, m.score))
                            << r.alignmentScore << " vs " << m.score;
                        EXPECT_EQ(r.matchFormat1, m.strandOfI);
                        EXPECT_EQ(r.matchFormat2, m.strandOfJ);
                        EXPECT_EQ(r.position, static_cast<std::int32_t>(s + 1));
                        EXPECT_EQ(r.overlapLength,
                                  static_cast<std::int32_t>(expected[s].rowsOfFirst.size()));
                        EXPECT_EQ(r.direction, d);
                        EXPECT_EQ(r.matchFlag, iFirst);
                        EXPECT_EQ(r.motifID1, iFirst ? 3 : 7);
                        EXPECT_EQ(r.motifID2, iFirst ? 7 : 3);
                    }
                }
        }
}

// (position, overlapLength) of every record of a body, at a cutoff that keeps all.
using Geometry = std::vector<std::pair<int, int>>;
Geometry geometry(const Records& records) {
    Geometry g;
    for (const auto& r : records) g.emplace_back(r.position, r.overlapLength);
    return g;
}

TEST(scanPair, shiftsAndOverlapsOfTheSixBodies) {
    struct Case {
        int li, lj;
        Geometry pairOrder, mirroredOrder;
    } cases[] = {
        {4, 4, {{1, 4}}, {{1, 4}}},
        {4, 6, {{1, 4}, {2, 4}, {3, 4}}, {{1, 4}}},
        {6, 4, {{1, 4}}, {{1, 4}, {2, 4}, {3, 4}}},
        {5, 8, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 4}}, {{1, 5}, {2, 4}}},
        {8, 5, {{1, 5}, {2, 4}}, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 4}}},
        {6, 10, {{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 5}, {7, 4}}, {{1, 6}, {2, 5}, {3, 4}}},
        {5, 5, {{1, 5}, {2, 4}}, {{1, 5}, {2, 4}}},
    };
    std::mt19937 rng(1);
    for (const Case& c : cases)
        for (Direction d : {Direction::Forward, Direction::Backward}) {
            const data i = randomMotif(1, c.li, rng), j = randomMotif(2, c.lj, rng);
            EXPECT_EQ(geometry(scan(i, j, RecordOrder::pairOrder, d, 0.0)), c.pairOrder)
                << c.li << "/" << c.lj << " " << directionText(d);
            EXPECT_EQ(geometry(scan(i, j, RecordOrder::mirroredOrder, d, 0.0)), c.mirroredOrder)
                << c.li << "/" << c.lj << " " << directionText(d);
        }
}

// One-hot rows: a placement scores 1.0 exactly where the copy of F lies on S.
TEST(scanPair, forwardAnchorsFirstRowsAndBackwardAnchorsLastRows) {
    const std::vector<Row> f = {{1, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 0},
                                {1, 0, 0, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}};  // AACAGA
    std::vector<Row> sRows = {{1, 1, 1, 1}, {2, 1, 1, 1}};
    sRows.insert(sRows.end(), f.begin(), f.end());  // S rows 2..7 are F
    const data first = countMotif(1, 1, f), second = countMotif(2, 2, sRows);

    const auto perfectAt = [](const Records& records) {
        std::vector<int> positions;
        for (const auto& r : records)
            if (r.alignmentScore == 1.0 && r.matchFormat1 == Strand::Original &&
                r.matchFormat2 == Strand::Original)
                positions.push_back(r.position);
        return positions;
    };
    // Forward: F's first row on S row 2 (0-based) is position 3.
    EXPECT_EQ(perfectAt(scan(first, second, RecordOrder::pairOrder, Direction::Forward, 0.0)),
              std::vector<int>{3});
    // Backward: both end on the same row at shift 0.
    EXPECT_EQ(perfectAt(scan(first, second, RecordOrder::pairOrder, Direction::Backward, 0.0)),
              std::vector<int>{1});
    // With the 8-row motif first, only the shared end placements exist.
    EXPECT_EQ(perfectAt(scan(first, second, RecordOrder::mirroredOrder, Direction::Forward, 0.0)),
              std::vector<int>{});
    EXPECT_EQ(perfectAt(scan(first, second, RecordOrder::mirroredOrder, Direction::Backward, 0.0)),
              std::vector<int>{1});
}

// Fixtures whose scores depend on the order of the additions.
const std::vector<Row> kP = {{6, 3, 0, 1}, {3, 2, 0, 5}, {5, 0, 2, 3}, {5, 1, 0, 4}};
const std::vector<Row> kQ = {{3, 1, 5, 1}, {10, 0, 0, 0}, {5, 0, 3, 2}, {5, 4, 1, 0}};
const std::vector<Row> kR = {{1, 7, 1, 1}, {0, 6, 3, 1}, {7, 0, 1, 2}, {1, 0, 3, 6}};
const std::vector<Row> kS = {{2, 1, 6, 1}, {2, 0, 4, 4}, {1, 5, 1, 3}, {0, 3, 0, 7}};

TEST(scanPair, summationOrderDecidesTiesBetweenPairings) {
    const data p = countMotif(1, 1, kP), q = countMotif(2, 2, kQ);
    for (RecordOrder o : {RecordOrder::pairOrder, RecordOrder::mirroredOrder}) {
        const Records fwd = scan(p, q, o, Direction::Forward, 0.5);
        ASSERT_EQ(fwd.size(), 1u);
        EXPECT_TRUE(sameBits(fwd[0].alignmentScore, 0.7875000000000002)) << fwd[0].alignmentScore;
        EXPECT_EQ(fwd[0].matchFormat1, Strand::RevComp);  // "Both Rev Comp"
        EXPECT_EQ(fwd[0].matchFormat2, Strand::RevComp);

        const Records bwd = scan(p, q, o, Direction::Backward, 0.5);
        ASSERT_EQ(bwd.size(), 1u);
        EXPECT_TRUE(sameBits(bwd[0].alignmentScore, 0.7875000000000001)) << bwd[0].alignmentScore;
        EXPECT_EQ(bwd[0].matchFormat1, Strand::Original);  // "Both Orig"
        EXPECT_EQ(bwd[0].matchFormat2, Strand::Original);
    }
}

TEST(scanPair, cutoffIsReachedOnlyInTheForwardOrderOfAdditions) {
    const data r = countMotif(1, 1, kR), s = countMotif(2, 1, kS);
    for (RecordOrder o : {RecordOrder::pairOrder, RecordOrder::mirroredOrder}) {
        const Records fwd = scan(r, s, o, Direction::Forward, 0.75);
        ASSERT_EQ(fwd.size(), 1u);
        EXPECT_TRUE(sameBits(fwd[0].alignmentScore, 0.7500000000000002));
        EXPECT_EQ(fwd[0].matchFormat1, Strand::RevComp);  // "One Rev Comp Two Orig"
        EXPECT_EQ(fwd[0].matchFormat2, Strand::Original);
        EXPECT_TRUE(scan(r, s, o, Direction::Backward, 0.75).empty());
        const Records below = scan(r, s, o, Direction::Backward, 0.7);
        ASSERT_EQ(below.size(), 1u);
        EXPECT_TRUE(sameBits(below[0].alignmentScore, 0.7499999999999999));
    }
}

TEST(scanPair, aScoreEqualToTheCutoffIsKept) {
    const data a = countMotif(1, 1, kP), b = countMotif(2, 1, kP);
    EXPECT_EQ(scan(a, b, RecordOrder::pairOrder, Direction::Forward, 1.0).size(), 1u);
    EXPECT_TRUE(scan(a, b, RecordOrder::pairOrder, Direction::Forward,
                     std::nextafter(1.0, 2.0))
                    .empty());
}

TEST(scanPair, mirroredRecordsKeepTheStrandsOfThePairsMotifs) {
    // j's reverse complement equals i: the winning pairing is "One Orig Two Rev Comp".
    data i = countMotif(3, 1, kP);
    data j = countMotif(7, 2, {});
    j.matrix = i.revCompMatrix;
    j.revCompMatrix = i.matrix;
    const Records r = scan(i, j, RecordOrder::mirroredOrder, Direction::Forward, 0.99);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].motifID1, 7);
    EXPECT_EQ(r[0].motifID2, 3);
    EXPECT_FALSE(r[0].matchFlag);
    EXPECT_EQ(r[0].matchFormat1, Strand::Original);  // strand of motif 3
    EXPECT_EQ(r[0].matchFormat2, Strand::RevComp);   // strand of motif 7
}

TEST(scanPair, aNaNPairingNeverWins) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    data i = countMotif(1, 1, kP), j = countMotif(2, 1, kQ);
    // "Both Orig" and "One Orig Two Rev Comp" are NaN; the reverse-complement pairings
    // of i still score.
    i.matrix[0][0] = nan;
    const Records r = scan(i, j, RecordOrder::pairOrder, Direction::Forward, 0.0);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_FALSE(std::isnan(r[0].alignmentScore));
    EXPECT_EQ(r[0].matchFormat1, Strand::RevComp);

    // A NaN later in the order does not replace a real winner.
    data k = countMotif(1, 1, kP), l = countMotif(2, 1, kQ);
    l.revCompMatrix[2][1] = nan;
    const Records r2 = scan(k, l, RecordOrder::pairOrder, Direction::Forward, 0.0);
    ASSERT_EQ(r2.size(), 1u);
    EXPECT_FALSE(std::isnan(r2[0].alignmentScore));
    EXPECT_EQ(r2[0].matchFormat2, Strand::Original);

    // Nothing but NaN: no record at any cutoff.
    k.revCompMatrix[0][0] = nan;
    k.matrix[0][0] = nan;
    EXPECT_TRUE(scan(k, l, RecordOrder::pairOrder, Direction::Forward, 0.0).empty());
}

TEST(scanPair, motifsShorterThanTheOverlapTakePartInNothing) {
    const data three = countMotif(1, 1, {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}});
    const data four = countMotif(2, 1, kP);
    for (Direction d : {Direction::Forward, Direction::Backward})
        for (RecordOrder o : {RecordOrder::pairOrder, RecordOrder::mirroredOrder}) {
            EXPECT_TRUE(scan(three, four, o, d, 0.0).empty());
            EXPECT_TRUE(scan(four, three, o, d, 0.0).empty());
        }
}

}  // namespace
