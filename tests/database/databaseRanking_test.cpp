// Best values, keys and best-match lists of the database matches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "compare/fixtures.h"
#include "database/databaseMatching.h"

namespace {

using Records = std::vector<dataCombinedScore>;

// A record of input motif `input` and database motif `db`; straight (input first) or mirrored.
dataCombinedScore match(std::int32_t input, std::int32_t db, bool straight, double score,
                        std::int32_t overlap, std::int32_t position = 1,
                        Direction d = Direction::Forward) {
    dataCombinedScore r;
    r.motifID1 = straight ? input : db;
    r.motifID2 = straight ? db : input;
    r.matchFlag = straight;
    r.alignmentScore = score;
    r.overlapLength = overlap;
    r.position = position;
    r.direction = d;
    return r;
}

data named(std::int64_t id, const std::string& name) {
    data m;
    m.motifID = m.motifNumber = id;
    m.datasetNumber = 1;
    m.motifName = name;
    return m;
}

TEST(databaseKeys, eachRecordIsKeyedAgainstItsInputMotifToldByTheFlag) {
    RunState s = stateWith({countMotif(1, 1, {{1, 0, 0, 0}}), countMotif(2, 1, {{1, 0, 0, 0}}),
                            countMotif(3, 1, {{1, 0, 0, 0}})},
                           0.5);
    // Input motif 2 against database motifs 1 and 3: once first, once second. Database
    // motif 1 shares its number with input motif 1, which has no match at all.
    s.DatasetsCombinedScoreDatabaseGlobalLists = {match(2, 1, true, 0.9, 6),
                                                  match(2, 3, false, 0.8, 10)};
    getMaxScoresDatabaseGlobal(s);
    calculateSumScoresCompareDatabaseGlobal(s);
    ASSERT_EQ(s.maxScoresDatabaseGlobalList.size(), 3u);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[0].motifID, 0);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[0].bestScore, 0.0);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[1].motifID, 2);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[1].bestScore, 0.9);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[1].longestOverlap, 10);
    EXPECT_EQ(s.maxScoresDatabaseGlobalList[2].motifID, 0);
    // The longer alignment ranks first despite its lower score.
    EXPECT_EQ(s.DatasetsCombinedScoreDatabaseGlobalLists[0].similarityScore, 2.0);
    EXPECT_EQ(s.DatasetsCombinedScoreDatabaseGlobalLists[1].similarityScore,
              (0.0 + (0.9 - 0.8)) * 0.5);

    // The list of every input motif takes the same rule on its own lists.
    s.DatasetsCombinedScoreDatabaseLists = {match(3, 2, false, 0.875, 8),
                                            match(3, 2, true, 0.75, 6)};
    getMaxScoresDatabase(s);
    calculateSumScoresCompareDatabase(s);
    EXPECT_EQ(s.maxScoresDatabaseList[2].bestScore, 0.875);
    EXPECT_EQ(s.DatasetsCombinedScoreDatabaseLists[0].similarityScore, 0.0);
    EXPECT_EQ(s.DatasetsCombinedScoreDatabaseLists[1].similarityScore, 1.0625);
    EXPECT_EQ(s.maxScoresDatabaseList[1].motifID, 0);
}

std::vector<std::int32_t> databaseMotifs(const bestMatchList& list) {
    std::vector<std::int32_t> ids;
    for (const dataCombinedScore& r : list) ids.push_back(databaseMotifID(r));
    return ids;
}

TEST(databaseBestMatchLists, keepTheBestRecordOfEachDatabaseNameUpToTheLimit) {
    // Database motifs 2 and 4 share a name; records of input motif 1 only.
    const std::vector<data> database = {named(1, "AGL3"), named(2, "SOX"), named(3, "GATA"),
                                        named(4, "SOX"), named(5, "ETS")};
    Records list;
    const auto keyed = [&](dataCombinedScore r, double key) {
        r.similarityScore = key;
        list.push_back(r);
    };
    keyed(match(1, 2, true, 0.9, 6), 0.0);
    keyed(match(1, 2, false, 0.9, 6, 3), 0.1);   // the same motif again
    keyed(match(1, 4, true, 0.9, 6), 0.2);       // the same name again
    keyed(match(1, 3, false, 0.9, 6, 2), 0.3);   // database motif first
    keyed(match(1, 5, true, 0.9, 6), 0.4);
    keyed(match(2, 1, false, 0.9, 6), 0.0);      // input motif 2, database motif 1
    std::shuffle(list.begin(), list.end(), std::mt19937(7));

    for (std::int32_t limit : {1, 2, 3, 50}) {
        const std::vector<bestMatchList> lists = databaseBestMatchLists(list, 3, database, limit, 2);
        ASSERT_EQ(lists.size(), 3u);
        const std::vector<std::int32_t> all{2, 3, 5};
        EXPECT_EQ(databaseMotifs(lists[0]),
                  std::vector<std::int32_t>(all.begin(), all.begin() + std::min<int>(limit, 3)))
            << limit;
        EXPECT_EQ(databaseMotifs(lists[1]), std::vector<std::int32_t>{1});
        EXPECT_TRUE(lists[2].empty());
    }
}

TEST(databaseBestMatchLists, lookPastALongRunOfOneNameForTheNext) {
    const std::vector<data> database = {named(1, "A"), named(2, "B"), named(3, "C")};
    Records list;
    for (std::int32_t position = 1; position <= 300; ++position) {
        list.push_back(match(1, 1, position % 2 == 0, 0.9, 6, position));
        list.back().similarityScore = position * 0.001;
    }
    list.push_back(match(1, 3, true, 0.9, 6));
    list.back().similarityScore = 2.0;
    list.push_back(match(1, 2, true, 0.9, 6));
    list.back().similarityScore = 1.0;
    std::reverse(list.begin(), list.end());
    const std::vector<bestMatchList> lists = databaseBestMatchLists(list, 1, database, 3, 1);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(databaseMotifs(lists[0]), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(lists[0][0].position, 1);
}

TEST(databaseBestMatchLists, equalKeysComeOutTheSameForAnyOrderAndThreadCount) {
    std::vector<data> database;
    for (std::int64_t id = 1; id <= 12; ++id) database.push_back(named(id, std::string("N").append(std::to_string(id % 7))));
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> input(1, 6), db(1, 12), pos(1, 5), key(0, 3);
    Records list;
    for (int k = 0; k < 600; ++k) {
        dataCombinedScore r = match(input(rng), db(rng), k % 2 == 0, 0.9, 6, pos(rng),
                                    k % 3 ? Direction::Forward : Direction::Backward);
        r.similarityScore = key(rng) * 0.25;
        list.push_back(r);
    }
    // A key that is no number is listed after every number.
    list[0].similarityScore = std::nan("");
    std::vector<bestMatchList> reference;
    for (int threads : {1, 4, 8}) {
        Records copy = list;
        std::shuffle(copy.begin(), copy.end(), std::mt19937(threads));
        const std::vector<bestMatchList> lists = databaseBestMatchLists(copy, 6, database, 50, threads);
        for (const bestMatchList& l : lists)
            for (std::size_t k = 1; k < l.size(); ++k)
                EXPECT_TRUE(std::isnan(l[k].similarityScore) ||
                            l[k - 1].similarityScore <= l[k].similarityScore);
        if (reference.empty()) {
            reference = lists;
            continue;
        }
        ASSERT_EQ(lists.size(), reference.size());
        for (std::size_t m = 0; m < lists.size(); ++m) {
            ASSERT_EQ(lists[m].size(), reference[m].size());
            EXPECT_EQ(std::memcmp(lists[m].data(), reference[m].data(),
                                  lists[m].size() * sizeof(dataCombinedScore)),
                      0)
                << "input motif " << m + 1 << ", " << threads << " threads";
        }
    }
}

}  // namespace
