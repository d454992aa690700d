// Distance tables for the motif tree: smallest keys, fillers, labels and lookups by id.
#include <gtest/gtest.h>

#include "compare/compare.h"
#include "compare/fixtures.h"

namespace {

using Records = std::vector<dataCombinedScore>;
using Table = std::vector<std::vector<std::string>>;

dataCombinedScore keyed(std::int32_t id1, std::int32_t id2, double key) {
    dataCombinedScore r;
    r.motifID1 = id1;
    r.motifID2 = id2;
    r.similarityScore = key;
    return r;
}

RunState treeState(const std::vector<std::string>& names) {
    std::vector<data> motifs;
    for (std::size_t k = 0; k < names.size(); ++k)
        motifs.push_back(countMotif(static_cast<std::int64_t>(k + 1), k % 2 ? 2 : 1,
                                    {{1, 1, 1, 1}}, names[k]));
    RunState s = stateWith(std::move(motifs), 0.5);
    for (std::size_t k = 0; k < names.size(); ++k) s.Datasets[k].motifName = names[k];
    s.motifCluster = true;
    return s;
}

// Groups for fillDistanceMatrix from records of any order.
std::vector<MatchGroup> groupsOf(Records& records, std::size_t motifs) {
    return groupByFirstMotif(records, motifs, 1);
}

TEST(fillDistanceMatrix, withoutRecordsEveryPairGetsTheFiller) {
    RunState s = treeState({"a", "b", "c"});
    Records none;
    fillDistanceMatrix(s, groupsOf(none, 3));
    EXPECT_EQ(s.maxSumScoreCompare, 0.0);
    const Table expected = {{"", "a", "b", "c"},
                            {"a", "0", "2", "2"},
                            {"b", "2", "0", "2"},
                            {"c", "2", "2", "0"}};
    EXPECT_EQ(s.distanceMatrix, expected);
}

TEST(fillDistanceMatrix, eachPairHoldsItsSmallestKeyFromEitherGroup) {
    RunState s = treeState({"a", "b", "c", "d"});
    Records records = {keyed(1, 2, 0.5), keyed(2, 1, 0.25), keyed(1, 3, 3.4),
                       keyed(1, 3, 1.0 / 3.0), keyed(4, 3, 0.75)};
    fillDistanceMatrix(s, groupsOf(records, 4));
    EXPECT_EQ(s.maxSumScoreCompare, 3.4);
    const Table expected = {{"", "a", "b", "c", "d"},
                            {"a", "0", "0.25", "0.333333", "6"},
                            {"b", "0.25", "0", "6", "6"},
                            {"c", "0.333333", "6", "0", "0.75"},
                            {"d", "6", "6", "0.75", "0"}};
    EXPECT_EQ(s.distanceMatrix, expected);
}

TEST(fillDistanceMatrix, cellsAreFoundByIdentifierWhateverTheNames) {
    // Two unnamed count matrices share "NA"; an empty name must not hit the corner.
    RunState s = treeState({"NA", "NA", "", "x"});
    Records records = {keyed(1, 4, 0.5), keyed(2, 4, 1.5), keyed(4, 3, 0.25)};
    fillDistanceMatrix(s, groupsOf(records, 4));
    const Table expected = {{"", "NA", "NA", "", "x"},
                            {"NA", "0", "4", "4", "0.5"},
                            {"NA", "4", "0", "4", "1.5"},
                            {"", "4", "4", "0", "0.25"},
                            {"x", "0.5", "1.5", "0.25", "0"}};
    EXPECT_EQ(s.distanceMatrix, expected);
}

TEST(fillDistanceMatrixGlobal, labelsTopMotifsThenNewPartnersAndCopiesTheirCells) {
    RunState s = treeState({"a", "b", "c", "NA", "NA"});
    Records records = {keyed(1, 2, 0.5), keyed(1, 4, 0.75), keyed(2, 1, 0.25), keyed(2, 5, 1.0),
                       keyed(4, 5, 2.0)};
    fillDistanceMatrix(s, groupsOf(records, 5));
    // Top motifs 2 and 1, then the new partners in list order: 5 (of motif 2), 4 (of
    // motif 1); partners that are top motifs add no label.
    s.topGlobalMatchingResults = {{keyed(2, 1, 0.25), keyed(2, 5, 1.0)},
                                  {keyed(1, 2, 0.5), keyed(1, 4, 0.75)}};
    fillDistanceMatrixGlobal(s);
    const Table expected = {{"", "b", "a", "NA", "NA"},
                            {"b", "0", "0.25", "1", "4"},
                            {"a", "0.25", "0", "4", "0.75"},
                            {"NA", "1", "4", "0", "2"},
                            {"NA", "4", "0.75", "2", "0"}};
    EXPECT_EQ(s.distanceMatrixGlobal, expected);
}

TEST(fillDistanceMatrixGlobal, noTopMotifsGiveOneEmptyCell) {
    RunState s = treeState({"a", "b"});
    Records none;
    fillDistanceMatrix(s, groupsOf(none, 2));
    fillDistanceMatrixGlobal(s);
    EXPECT_EQ(s.distanceMatrixGlobal, (Table{{""}}));
}

TEST(fillDistanceMatrix, fillersRoundUpFromTheLargestKey) {
    struct Case {
        double largest;
        const char *f2, *f3;
    } cases[] = {{3.4, "6", "7"}, {2.0, "4", "5"}, {0.0, "2", "3"}};
    for (const Case& c : cases) {
        RunState s = treeState({"a", "b", "c"});
        Records records = {keyed(1, 2, c.largest)};
        fillDistanceMatrix(s, groupsOf(records, 3));
        s.topGlobalMatchingResults = {{keyed(1, 2, c.largest)}};
        fillDistanceMatrixGlobal(s);
        EXPECT_EQ(s.distanceMatrix[1][3], c.f2) << c.largest;
        // Every global cell has a counterpart, so its own filler never shows.
        EXPECT_EQ(s.distanceMatrixGlobal.size(), 3u);
        EXPECT_EQ(s.distanceMatrixGlobal[1][2], s.distanceMatrix[1][2]);
    }
}

}  // namespace
