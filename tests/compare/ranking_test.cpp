// Grouping by first motif, best-match selection, rankings and top lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "compare/compare.h"
#include "compare/fixtures.h"

namespace {

using Records = std::vector<dataCombinedScore>;

dataCombinedScore keyed(std::int32_t id1, std::int32_t id2, double key, std::int32_t position = 1,
                        Direction d = Direction::Forward) {
    dataCombinedScore r;
    r.motifID1 = id1;
    r.motifID2 = id2;
    r.similarityScore = key;
    r.position = position;
    r.direction = d;
    r.overlapLength = 4;
    r.alignmentScore = 0.9;
    return r;
}

std::vector<double> keys(const bestMatchList& list) {
    std::vector<double> k;
    for (const auto& r : list) k.push_back(r.similarityScore);
    return k;
}

TEST(groupByFirstMotif, bucketsByFirstMotifAndSortsWithATotalOrder) {
    Records list = {keyed(2, 1, 0.5),
                    keyed(1, 3, 0.25, 2),
                    keyed(1, 2, 0.25, 3, Direction::Backward),
                    keyed(1, 2, 0.25, 3),
                    keyed(1, 2, 0.25, 1),
                    keyed(1, 3, 0.0),
                    keyed(2, 3, 0.125)};
    const std::vector<MatchGroup> groups = groupByFirstMotif(list, 4, 3);
    ASSERT_EQ(groups.size(), 4u);
    ASSERT_EQ(groups[0].size(), 5u);
    // Key first; equal keys by partner, then forward before backward, then position.
    const std::pair<int, int> expected[] = {{3, 1}, {2, 1}, {2, 3}, {2, 3}, {3, 2}};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(groups[0][k].motifID2, expected[k].first) << k;
        EXPECT_EQ(groups[0][k].position, expected[k].second) << k;
    }
    EXPECT_EQ(groups[0][2].direction, Direction::Forward);
    EXPECT_EQ(groups[0][3].direction, Direction::Backward);
    EXPECT_EQ(keys({groups[1].begin(), groups[1].end()}), (std::vector<double>{0.125, 0.5}));
    EXPECT_TRUE(groups[2].empty());
    EXPECT_TRUE(groups[3].empty());
}

TEST(groupByFirstMotif, theGroupsDoNotDependOnTheListOrderOrThreads) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> id(1, 30), pos(1, 6), key(0, 8);
    Records list;
    for (int k = 0; k < 3000; ++k) {
        int a = id(rng), b = id(rng);
        if (a == b) continue;
        list.push_back(keyed(a, b, key(rng) * 0.5, pos(rng),
                             k % 2 ? Direction::Forward : Direction::Backward));
    }
    Records first = list;
    const auto reference = groupByFirstMotif(first, 30, 1);
    for (int threads : {2, 8}) {
        Records shuffled = list;
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
        const auto groups = groupByFirstMotif(shuffled, 30, threads);
        // Records that agree on every field the order reads are interchangeable.
        for (std::size_t g = 0; g < 30; ++g) {
            ASSERT_EQ(groups[g].size(), reference[g].size());
            for (std::size_t k = 0; k < groups[g].size(); ++k) {
                EXPECT_FALSE(groupOrder(groups[g][k], reference[g][k]));
                EXPECT_FALSE(groupOrder(reference[g][k], groups[g][k]));
            }
        }
    }
}

RunState rankingState(int numBestMatches, std::size_t motifs = 8) {
    std::vector<data> m;
    for (std::size_t k = 1; k <= motifs; ++k)
        m.push_back(countMotif(static_cast<std::int64_t>(k), k <= 4 ? 1 : 2, {{1, 1, 1, 1}}));
    RunState s = stateWith(std::move(m), 0.5);
    s.numBestMatches = numBestMatches;
    return s;
}

TEST(selectBestMatches, takesTheFirstRecordOfEachOfTheFirstDistinctPartners) {
    // Keys 0.0 (partner 3), 0.1 (partner 3), 0.2 (partner 5), 0.3 (partner 7).
    const Records group = {keyed(1, 3, 0.0), keyed(1, 3, 0.1), keyed(1, 5, 0.2), keyed(1, 7, 0.3)};
    struct Case {
        int n;
        std::vector<double> keys;
    } cases[] = {{1, {0.0}}, {2, {0.0, 0.2}}, {3, {0.0, 0.2, 0.3}}, {50, {0.0, 0.2, 0.3}}};
    for (const Case& c : cases) {
        const RunState s = rankingState(c.n);
        const auto lists = selectBestMatches(s, {MatchGroup(group), MatchGroup()},
                                             Matching::GlobalAndLocal);
        ASSERT_EQ(lists.size(), 2u);
        EXPECT_EQ(keys(lists[0]), c.keys) << c.n;
        EXPECT_TRUE(lists[1].empty());
    }
    const Records onePartner = {keyed(1, 3, 0.0), keyed(1, 3, 0.1), keyed(1, 3, 0.2)};
    EXPECT_EQ(selectBestMatches(rankingState(5), {MatchGroup(onePartner)},
                                Matching::GlobalAndLocal)[0]
                  .size(),
              1u);
}

TEST(selectBestMatches, globalMatchingPassesOverPartnersOfTheSameFile) {
    // Motifs 1-4 come from file 1, 5-8 from file 2.
    const Records group = {keyed(1, 2, 0.0), keyed(1, 6, 0.1), keyed(1, 3, 0.2),
                           keyed(1, 6, 0.3), keyed(1, 8, 0.4)};
    const RunState s = rankingState(3);
    const auto global = selectBestMatches(s, {MatchGroup(group)}, Matching::Global);
    EXPECT_EQ(keys(global[0]), (std::vector<double>{0.1, 0.4}));
    const auto all = selectBestMatches(s, {MatchGroup(group)}, Matching::GlobalAndLocal);
    EXPECT_EQ(keys(all[0]), (std::vector<double>{0.0, 0.1, 0.2}));
}

TEST(selectBestMatches, partnersAreToldApartBeyondAMillionMotifs) {
    // Their six-digit texts are both "1e+06".
    const Records group = {keyed(1, 1000000, 0.0), keyed(1, 1000001, 0.1)};
    const auto lists =
        selectBestMatches(rankingState(3), {MatchGroup(group)}, Matching::GlobalAndLocal);
    EXPECT_EQ(lists[0].size(), 2u);
}

TEST(rankMotifs, emptyListsStandFirstAndEqualSumsKeepMotifOrder) {
    // Sums: motif 1 empty (0.0), motif 2 0.5, motif 3 0.25, motif 4 one match with key 0.
    const std::vector<bestMatchList> lists = {
        {}, {keyed(2, 1, 0.25), keyed(2, 3, 0.25)}, {keyed(3, 1, 0.25)}, {keyed(4, 2, 0.0)}};
    commonBestMatches scratch;
    const auto ranking = rankMotifs(lists, scratch);
    std::vector<std::int64_t> order;
    for (const auto& e : ranking) order.push_back(e.motifID);
    EXPECT_EQ(order, (std::vector<std::int64_t>{1, 4, 3, 2}));
    EXPECT_EQ(ranking[3].scoreSum, 0.5);
    EXPECT_EQ(scratch.motifID, 4);  // the last motif's entry

    const auto top = topLists(ranking, lists, 2);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0][0].motifID1, 4);
    EXPECT_EQ(top[1][0].motifID1, 3);
    EXPECT_EQ(topLists(ranking, lists, 5).size(), 3u);  // fewer non-empty lists than asked
    EXPECT_TRUE(topLists(ranking, {{}, {}, {}, {}}, 5).empty());
}

}  // namespace
