// The input scans, their join order on any thread count, best values and keys.
#include <gtest/gtest.h>

#include <cstring>

#include "compare/compare.h"
#include "compare/fixtures.h"
#include "support/support.h"

namespace {

using Records = std::vector<dataCombinedScore>;

bool sameRecords(const Records& a, const Records& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

const std::vector<Row> kFive = {
    {6, 3, 0, 1}, {3, 2, 0, 5}, {5, 0, 2, 3}, {5, 1, 0, 4}, {1, 1, 7, 1}};
const std::vector<Row> kSix = {{3, 1, 5, 1}, {10, 0, 0, 0}, {5, 0, 3, 2},
                               {5, 4, 1, 0}, {0, 2, 2, 6}, {1, 7, 1, 1}};

TEST(forwardScan, appendsPairsInOrderWithPairOrderBeforeMirroredOrder) {
    RunState s = stateWith({countMotif(1, 1, kSix), countMotif(2, 1, kFive),
                            countMotif(3, 2, {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}}),
                            countMotif(4, 2, kSix)},
                           0.0, 8);
    forwardScan(s);
    Records expected;
    const ScanLimits limits = scanLimits(s);
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j)
            scanPairBothOrders(scanMotif(s.Datasets[i]), scanMotif(s.Datasets[j]),
                               Direction::Forward, limits, expected);
    EXPECT_TRUE(sameRecords(s.DatasetsCombinedScoreLists, expected));
    for (const auto& r : s.DatasetsCombinedScoreLists) {
        EXPECT_NE(r.motifID1, 3);  // three rows: in no pair
        EXPECT_NE(r.motifID2, 3);
        EXPECT_EQ(r.direction, Direction::Forward);
    }

    // The backward records follow the forward ones.
    const std::size_t forwardCount = s.DatasetsCombinedScoreLists.size();
    backwardScan(s);
    ASSERT_GT(s.DatasetsCombinedScoreLists.size(), forwardCount);
    for (std::size_t k = 0; k < s.DatasetsCombinedScoreLists.size(); ++k)
        EXPECT_EQ(s.DatasetsCombinedScoreLists[k].direction,
                  k < forwardCount ? Direction::Forward : Direction::Backward);
}

TEST(forwardScan, fewerThanTwoMotifsScanNothing) {
    RunState s = stateWith({countMotif(1, 1, kSix)}, 0.0);
    forwardScan(s);
    backwardScan(s);
    EXPECT_TRUE(s.DatasetsCombinedScoreLists.empty());
}

TEST(pairScans, giveTheSameListForAnyThreadCount) {
    Records reference;
    for (int threads : {1, 3, 8}) {
        RunState s;
        if (!loadMotifFiles(s, {"jaspar2016_rsat/pfm_vertebrates.txt"}, 120))
            FAIL() << kMissingMotifData;
        s.simCutoff = 0.75;
        s.numThread = threads;
        forwardScan(s);
        backwardScan(s);
        ASSERT_GT(s.DatasetsCombinedScoreLists.size(), 1000u);
        if (threads == 1) reference = s.DatasetsCombinedScoreLists;
        else EXPECT_TRUE(sameRecords(s.DatasetsCombinedScoreLists, reference)) << threads;
    }
}

TEST(parallelScan, joinsChunksInTaskOrder) {
    // Each task appends one record naming itself; uneven work must not reorder them.
    for (int threads : {1, 2, 7}) {
        Records list;
        parallelScan(1000, threads,
                     [](std::size_t first, std::size_t last, Records& out) {
                         for (std::size_t t = first; t < last; ++t) {
                             dataCombinedScore r;
                             r.motifID1 = static_cast<std::int32_t>(t);
                             out.push_back(r);
                         }
                     },
                     list);
        ASSERT_EQ(list.size(), 1000u);
        for (std::size_t t = 0; t < list.size(); ++t)
            ASSERT_EQ(list[t].motifID1, static_cast<std::int32_t>(t)) << threads;
    }
}

// ---- Best values and keys ------------------------------------------------------------

dataCombinedScore record(std::int32_t id1, std::int32_t id2, double score, std::int32_t overlap) {
    dataCombinedScore r;
    r.motifID1 = id1;
    r.motifID2 = id2;
    r.alignmentScore = score;
    r.overlapLength = overlap;
    return r;
}

TEST(getMaxScores, countsBothRolesAndMaximisesScoreAndOverlapApart) {
    RunState s = stateWith({countMotif(1, 1, kSix), countMotif(2, 1, kSix),
                            countMotif(3, 1, kSix), countMotif(4, 1, kSix)},
                           0.5);
    s.DatasetsCombinedScoreLists = {record(1, 2, 0.95, 6), record(1, 2, 0.80, 12),
                                    record(3, 2, 0.70, 5)};
    getMaxScores(s);
    ASSERT_EQ(s.maxScoresList.size(), 4u);
    const maxScores& m1 = s.maxScoresList[0];
    EXPECT_EQ(m1.motifID, 1);
    EXPECT_EQ(m1.bestScore, 0.95);
    EXPECT_EQ(m1.longestOverlap, 12);
    EXPECT_EQ(m1.overlapMidpoint, 8);
    // Motif 2 is only ever second motif and still gets its values.
    EXPECT_EQ(s.maxScoresList[1].motifID, 2);
    EXPECT_EQ(s.maxScoresList[1].bestScore, 0.95);
    EXPECT_EQ(s.maxScoresList[1].longestOverlap, 12);
    EXPECT_EQ(s.maxScoresList[2].longestOverlap, 5);
    EXPECT_EQ(s.maxScoresList[2].overlapMidpoint, 4);
    // Motif 4 takes part in nothing.
    EXPECT_EQ(s.maxScoresList[3].motifID, 0);
    EXPECT_EQ(s.maxScoresList[3].bestScore, 0.0);
    EXPECT_EQ(s.maxScoresList[3].longestOverlap, 0);
    EXPECT_EQ(s.maxScoresList[3].overlapMidpoint, 0);
}

TEST(calculateSumScoresCompare, measuresEveryRecordAgainstItsFirstMotif) {
    RunState s = stateWith({countMotif(1, 1, kSix), countMotif(2, 1, kSix),
                            countMotif(3, 1, kSix)},
                           0.5);
    s.DatasetsCombinedScoreLists = {record(1, 2, 0.95, 6), record(1, 2, 0.80, 12),
                                    record(2, 1, 0.70, 4), record(3, 2, 0.75, 4)};
    getMaxScores(s);
    calculateSumScoresCompare(s);
    const Records& r = s.DatasetsCombinedScoreLists;
    EXPECT_EQ(r[0].similarityScore, 3.0);
    EXPECT_EQ(r[1].similarityScore, (0.0 + (0.95 - 0.80)) * 0.5);
    // Motif 2's best values are 0.95 and 12, although it is second in those records.
    EXPECT_EQ(r[2].similarityScore, (8.0 + (0.95 - 0.70)) * 0.5);
    // Motif 3's only record is its own best: key 0, whatever motif 2's values are.
    EXPECT_EQ(r[3].similarityScore, 0.0);
}

}  // namespace
