// The database scans: agreement with the comparison, pair order, representatives, threads.
#include <gtest/gtest.h>

#include <cstring>

#include "compare/fixtures.h"
#include "database/databaseMatching.h"
#include "database/databaseReaders.h"
#include "support/support.h"

namespace {

using Records = std::vector<dataCombinedScore>;

bool sameRecords(const Records& a, const Records& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

const std::vector<Row> kFive = {
    {6, 3, 0, 1}, {3, 2, 0, 5}, {5, 0, 2, 3}, {5, 1, 0, 4}, {1, 1, 7, 1}};
const std::vector<Row> kSeven = {{3, 1, 5, 1}, {10, 0, 0, 0}, {5, 0, 3, 2}, {5, 4, 1, 0},
                                 {0, 2, 2, 6}, {1, 7, 1, 1}, {2, 2, 2, 4}};

// A database motif: numbered in its own store, dataset 1.
data databaseMotif(std::int64_t id, const std::vector<Row>& counts) {
    return countMotif(id, 1, counts, std::string("D").append(std::to_string(id)));
}

TEST(databaseScans, aPairGivesTheRecordsOfTheComparisonOfTheSameMatrices) {
    // Input motif 1 and input motif 2 compared; then input motif 1 against database motif 1
    // holding motif 2's matrix. Only the identity of the second motif may differ.
    RunState compared = stateWith({countMotif(1, 1, kFive), countMotif(2, 2, kSeven)}, 0.5);
    forwardScan(compared);
    backwardScan(compared);

    RunState matched = stateWith({countMotif(1, 1, kFive)}, 0.5);
    matched.DatabaseDatasets = {databaseMotif(1, kSeven)};
    forwardScanDatabase(matched);
    backwardScanDatabase(matched);

    const Records& a = compared.DatasetsCombinedScoreLists;
    const Records& b = matched.DatasetsCombinedScoreDatabaseLists;
    ASSERT_GT(a.size(), 4u);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        Records relabelled{b[k]};
        // The database motif stands where the comparison had input motif 2.
        (b[k].matchFlag ? relabelled[0].motifID2 : relabelled[0].motifID1) = 2;
        EXPECT_TRUE(sameRecords({a[k]}, relabelled)) << "record " << k;
        EXPECT_EQ(inputMotifID(b[k]), 1);
        EXPECT_EQ(databaseMotifID(b[k]), 1);
    }
}

TEST(databaseScans, inputMotifsOuterDatabaseMotifsInnerShortMotifsNowhere) {
    RunState s = stateWith({countMotif(1, 1, kSeven), countMotif(2, 1, {{1, 0, 0, 0}, {0, 1, 0, 0}}),
                            countMotif(3, 2, kFive)},
                           0.0, 8);
    s.DatabaseDatasets = {databaseMotif(1, kFive), databaseMotif(2, {{1, 2, 3, 4}}),
                          databaseMotif(3, kSeven), databaseMotif(4, {})};
    forwardScanDatabase(s);
    Records expected;
    for (std::size_t i = 0; i < s.Datasets.size(); ++i)
        for (std::size_t j = 0; j < s.DatabaseDatasets.size(); ++j)
            scanPairBothOrders(scanMotif(s.Datasets[i]), scanMotif(s.DatabaseDatasets[j]),
                               Direction::Forward, scanLimits(s), expected);
    EXPECT_TRUE(sameRecords(s.DatasetsCombinedScoreDatabaseLists, expected));
    for (const dataCombinedScore& r : s.DatasetsCombinedScoreDatabaseLists) {
        EXPECT_NE(inputMotifID(r), 2);  // two rows
        EXPECT_TRUE(databaseMotifID(r) == 1 || databaseMotifID(r) == 3);
    }

    // The backward records follow; the global list is another list.
    const std::size_t forwardCount = s.DatasetsCombinedScoreDatabaseLists.size();
    backwardScanDatabase(s);
    ASSERT_GT(s.DatasetsCombinedScoreDatabaseLists.size(), forwardCount);
    EXPECT_EQ(s.DatasetsCombinedScoreDatabaseLists[forwardCount].direction, Direction::Backward);
    EXPECT_TRUE(s.DatasetsCombinedScoreDatabaseGlobalLists.empty());
}

TEST(databaseScans, representativesAreTheGroupsTopMotifsInGroupOrder) {
    std::vector<data> inputs;
    for (std::int64_t id = 1; id <= 9; ++id) inputs.push_back(countMotif(id, 1 + id % 2, kFive));
    RunState s = stateWith(inputs, 0.5);
    s.DatabaseDatasets = {databaseMotif(1, kSeven), databaseMotif(2, kFive)};
    const auto group = [](std::int32_t top, std::int32_t partner) {
        dataCombinedScore r;
        r.motifID1 = top;
        r.motifID2 = partner;
        r.matchFlag = true;
        return bestMatchList{r};
    };
    s.topGlobalMatchingResults = {group(7, 2), group(2, 9), group(9, 2)};
    forwardScanDatabaseGlobal(s);

    std::vector<std::int32_t> order;
    for (const dataCombinedScore& r : s.DatasetsCombinedScoreDatabaseGlobalLists)
        if (order.empty() || order.back() != inputMotifID(r)) order.push_back(inputMotifID(r));
    EXPECT_EQ(order, (std::vector<std::int32_t>{7, 2, 9}));
    EXPECT_TRUE(s.DatasetsCombinedScoreDatabaseLists.empty());

    // Without groups, as with one input file, nothing is scanned.
    RunState none = stateWith(inputs, 0.5);
    none.DatabaseDatasets = s.DatabaseDatasets;
    forwardScanDatabaseGlobal(none);
    backwardScanDatabaseGlobal(none);
    EXPECT_TRUE(none.DatasetsCombinedScoreDatabaseGlobalLists.empty());
}

TEST(databaseScans, giveTheSameListForAnyThreadCount) {
    const std::string database = motifDataPath("jaspar2016_rsat/pfm_insects.txt");
    ASSERT_FALSE(database.empty()) << kMissingMotifData;
    Records reference;
    for (int threads : {1, 3, 8}) {
        RunState s;
        if (!loadMotifFiles(s, {"jaspar2016_rsat/pfm_nematodes.txt"})) FAIL() << kMissingMotifData;
        std::ifstream in(database);
        s.DatabaseDatasets = readDatabaseMotifs(in, *findDatabase("jasparInsects"));
        s.simCutoff = 0.75;
        s.numThread = threads;
        forwardScanDatabase(s);
        backwardScanDatabase(s);
        ASSERT_GT(s.DatasetsCombinedScoreDatabaseLists.size(), 1000u);
        if (threads == 1) reference = s.DatasetsCombinedScoreDatabaseLists;
        else EXPECT_TRUE(sameRecords(s.DatasetsCombinedScoreDatabaseLists, reference)) << threads;
    }
}

}  // namespace
