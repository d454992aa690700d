// The whole ranking stage: rankings, top lists, distance matrices and reports together.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "compare/compare.h"
#include "compare/fixtures.h"
#include "listings/listings.h"
#include "support/support.h"

namespace {

void compareAndRank(RunState& s) {
    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);
    writeComparisonSections(s, getResultsList(s));
}

bool sameRecords(const bestMatchList& a, const bestMatchList& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

struct Outcome {
    std::vector<commonBestMatches> global, all;
    std::vector<bestMatchList> topGlobal, topAll, topBest;
    std::vector<std::vector<std::string>> distance, distanceGlobal;
    std::vector<std::string> documents;
    std::string console;
    std::size_t motifs = 0;
};

Outcome realRun(int threads) {
    Workspace w;
    RunState s;
    Outcome o;
    if (!loadMotifFiles(s, {"jaspar2016_rsat/pfm_nematodes.txt", "jaspar2016_rsat/pfm_insects.txt"},
                        60))
        return o;
    placeDocuments(s, w);
    std::ostringstream console;
    s.console = &console;
    s.simCutoff = 0.75;
    s.numThread = threads;
    s.numTopMotif = 7;
    s.numBestMatches = 4;
    s.motifCluster = true;
    s.combinedMotifFlag = true;
    s.outputFileType = OutputType::All;
    s.outputFileFormat = OutputFormat::All;
    s.DBName = nullptr;
    compareAndRank(s);
    o = {s.globalMatchingScoreResultList, s.commonBestScoreResultList,
         s.topGlobalMatchingResults, s.topGlobalAndLocalMatchingResults, s.topBestMatchesResults,
         s.distanceMatrix, s.distanceMatrixGlobal, {}, console.str()};
    for (const fs::path& p : w.outputs()) o.documents.push_back(slurp(p));
    o.motifs = s.Datasets.size();
    return o;
}

TEST(getResultsList, realMotifsGiveTheSameResultsOnOneAndEightThreads) {
    const Outcome one = realRun(1), eight = realRun(8);
    if (one.global.empty()) FAIL() << kMissingMotifData;
    ASSERT_EQ(one.global.size(), eight.global.size());
    for (std::size_t k = 0; k < one.global.size(); ++k) {
        EXPECT_EQ(one.global[k].motifID, eight.global[k].motifID);
        EXPECT_EQ(one.global[k].scoreSum, eight.global[k].scoreSum);
        EXPECT_EQ(one.all[k].motifID, eight.all[k].motifID);
        EXPECT_EQ(one.all[k].scoreSum, eight.all[k].scoreSum);
    }
    for (auto [a, b] : {std::pair{&one.topGlobal, &eight.topGlobal},
                        std::pair{&one.topAll, &eight.topAll},
                        std::pair{&one.topBest, &eight.topBest}}) {
        ASSERT_EQ(a->size(), b->size());
        for (std::size_t k = 0; k < a->size(); ++k) EXPECT_TRUE(sameRecords((*a)[k], (*b)[k]));
    }
    EXPECT_EQ(one.topGlobal.size(), 7u);
    EXPECT_EQ(one.topAll.size(), 7u);
    EXPECT_GT(one.topBest.size(), 7u);
    EXPECT_LE(one.topBest.size(), one.motifs);
    EXPECT_EQ(one.distance, eight.distance);
    EXPECT_EQ(one.distanceGlobal, eight.distanceGlobal);
    EXPECT_EQ(one.distance.size(), one.motifs + 1);
    ASSERT_EQ(one.documents.size(), 5u);
    EXPECT_EQ(one.documents, eight.documents);
    EXPECT_EQ(one.console, "\n\n");
}

TEST(getResultsList, topListsHoldEachGroupsOwnMotifFirst) {
    Workspace w;
    RunState s;
    if (!loadMotifFiles(s, {"jaspar2016_rsat/pfm_nematodes.txt", "jaspar2016_rsat/pfm_insects.txt"},
                        30))
        FAIL() << kMissingMotifData;
    placeDocuments(s, w);
    std::ostringstream console;
    s.console = &console;
    s.simCutoff = 0.75;
    s.numTopMotif = 50;
    s.numBestMatches = 3;
    s.motifCluster = false;
    s.combinedMotifFlag = true;
    s.outputFileType = OutputType::All;
    s.outputFileFormat = OutputFormat::Text;
    s.DBName = nullptr;
    compareAndRank(s);

    for (const bestMatchList& group : s.topGlobalMatchingResults) {
        ASSERT_FALSE(group.empty());
        for (const dataCombinedScore& r : group) {
            EXPECT_EQ(r.motifID1, group.front().motifID1);
            EXPECT_NE(s.Datasets[r.motifID1 - 1].datasetNumber,
                      s.Datasets[r.motifID2 - 1].datasetNumber);
        }
    }
    std::int32_t previous = 0;
    for (const bestMatchList& group : s.topBestMatchesResults) {
        EXPECT_GT(group.front().motifID1, previous);  // motifID order, not ranked order
        previous = group.front().motifID1;
    }
    // Ranked by ascending sum; the top lists follow the ranking.
    for (std::size_t k = 1; k < s.commonBestScoreResultList.size(); ++k)
        EXPECT_LE(s.commonBestScoreResultList[k - 1].scoreSum,
                  s.commonBestScoreResultList[k].scoreSum);
    EXPECT_TRUE(s.distanceMatrix.empty());
    EXPECT_EQ(s.maxSumScoreCompare, 0.0);
}

TEST(getResultsList, oneInputFileHasNoGlobalMatching) {
    for (const char* type : {"Global-Only", "All"}) {
        Workspace w;
        RunState s = stateWith(
            {countMotif(1, 1, {{6, 3, 0, 1}, {3, 2, 0, 5}, {5, 0, 2, 3}, {5, 1, 0, 4}}),
             countMotif(2, 1, {{3, 1, 5, 1}, {10, 0, 0, 0}, {5, 0, 3, 2}, {5, 4, 1, 0}})},
            0.5);
        placeDocuments(s, w);
        std::ostringstream console;
        s.console = &console;
        s.outputFileType = *outputTypeNamed(type);
        s.combinedMotifFlag = true;
        s.motifCluster = true;
        compareAndRank(s);
        EXPECT_TRUE(s.globalMatchingScoreResultList.empty()) << type;
        EXPECT_TRUE(s.topGlobalMatchingResults.empty()) << type;
        EXPECT_TRUE(s.distanceMatrixGlobal.empty()) << type;
        EXPECT_EQ(s.distanceMatrix.size(), 3u) << type;
        EXPECT_EQ(s.commonBestScoreResultList.size(), 2u) << type;
        EXPECT_EQ(console.str(), "\n") << type;  // only the all-matches ranking's line
        const bool all = std::string(type) == "All";
        EXPECT_EQ(s.topGlobalAndLocalMatchingResults.size(), all ? 2u : 0u) << type;
        EXPECT_EQ(s.topBestMatchesResults.size(), all ? 2u : 0u) << type;
        const std::string notice = slurp(s.documents[ReportDoc::GlobalMatchingText].path);
        EXPECT_NE(notice.find("There is no global matching for 1 motif file."), std::string::npos);
    }
}

}  // namespace
