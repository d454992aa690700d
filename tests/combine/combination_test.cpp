// Combination drivers on ranked groups: mirrored first entries, bad identifiers, real
// motifs on any thread count.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "align/align.h"
#include "align/alignSupport.h"
#include "combine/combine.h"
#include "compare/compare.h"
#include "compare/fixtures.h"
#include "model/model.h"
#include "support/support.h"

namespace {

using Chain = std::vector<combinedMatrices>;

// The groups the ranking reports: the top global lists, the top lists over all results,
// and every motif's own group.
struct RankedGroups {
    std::vector<bestMatchList> topGlobal, topAll, every;
};

RankedGroups rankedGroups(RunState& s) {
    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);
    const std::vector<MatchGroup> groups =
        groupByFirstMotif(s.DatasetsCombinedScoreLists, s.Datasets.size(), teamSize(s));
    RankedGroups g;
    const auto global = selectBestMatches(s, groups, Matching::Global);
    g.topGlobal = topLists(rankMotifs(global, s.commonBestScoreGlobalList), global, s.numTopMotif);
    const auto all = selectBestMatches(s, groups, Matching::GlobalAndLocal);
    g.topAll = topLists(rankMotifs(all, s.commonBestScoreList), all, s.numTopMotif);
    for (const bestMatchList& list : all)
        if (!list.empty()) g.every.push_back(list);
    return g;
}

// The combined-motif column of every table row of a report.
std::vector<std::string> combinedColumn(const std::string& report) {
    std::vector<std::string> merged;
    std::istringstream lines(report);
    std::string line;
    bool table = false;
    while (std::getline(lines, line)) {
        if (line.rfind("1st motif name", 0) == 0) table = true;
        if (!table || line.empty() || line[0] == '-' || line.rfind("1st motif name", 0) == 0 ||
            line.rfind("Direction:", 0) == 0 || line.rfind("Alignment:", 0) == 0)
            continue;
        std::istringstream cells(line);
        std::string cell, last;
        while (cells >> cell) last = cell;
        if (line.size() == 141) merged.push_back(last);  // table rows are padded whole
    }
    return merged;
}

TEST(combinedMatrixGlobalMatching, mergesAMirroredFirstEntryAsItsPairScanAlignedIt) {
    // Two files, one motif each; GGATCACA ends with the TCACA that TCACAGTC starts with.
    RunState s = stateWith({oneHotMotif(1, 1, "Left", "GGATCACA"),
                            oneHotMotif(2, 2, "Right", "TCACAGTC")},
                           0.9);
    s.numTopMotif = 2;
    s.numBestMatches = 1;
    const RankedGroups ranked = rankedGroups(s);
    ASSERT_EQ(ranked.topGlobal.size(), 2u);

    // The second motif's best match is the mirrored record of the pair: taken in the
    // record's order, the motifs would merge misplaced.
    bool mirroredFirstEntry = false;
    MergeChains chains;
    for (const bestMatchList& group : ranked.topGlobal) {
        ASSERT_EQ(group.size(), 1u);
        const dataCombinedScore& e = group.front();
        if (!e.matchFlag) {
            mirroredFirstEntry = true;
            const data& x = s.Datasets[static_cast<std::size_t>(e.motifID1 - 1)];
            const data& y = s.Datasets[static_cast<std::size_t>(e.motifID2 - 1)];
            EXPECT_EQ(getConsensusString(combinedTwoMatrices(x.matrix, y.matrix, e)),
                      "TCASRRTCACA");
        }
        chains.push_back(combinedMatrixGlobalMatching(group, s.Datasets, s.simCutoff, 1));
        ASSERT_EQ(chains.back().size(), 1u);
        EXPECT_EQ(chains.back().front().mergedFlag, "Y");
    }
    EXPECT_TRUE(mirroredFirstEntry);

    std::ostringstream report;
    writeCombinedChainsGlobal(report, chains);
    const std::vector<std::string> merged = combinedColumn(report.str());
    ASSERT_EQ(merged.size(), 2u);
    for (const std::string& consensus : merged)
        EXPECT_TRUE(consensus == "GGATCACAGTC" || consensus == "GACTGTGATCC") << consensus;
}

TEST(combinationDrivers, aFirstEntryNamingNoStoredMotifIsRefusedWithoutReadingIt) {
    const std::vector<data> motifs = {oneHotMotif(1, 1, "Left", "GGATCACA"),
                                      oneHotMotif(2, 2, "Right", "TCACAGTC"),
                                      oneHotMotif(3, 2, "Third", "AGTCTTGA")};
    const bestMatchList group = {placed({.motifID1 = 1, .motifID2 = 9}),
                                 placed({.overlap = 8, .motifID1 = 1, .motifID2 = 3})};
    for (auto driver : {combinedMatrixGlobalMatching, combinedMatrixGlobalAndLocalMatching,
                        combinedMatrixBestMatches}) {
        const Chain chain = driver(group, motifs, 0.9, 1);
        ASSERT_EQ(chain.size(), 1u);
        EXPECT_EQ(chain[0].mergedFlag, "N");
        EXPECT_EQ(chain[0].motifName2, "Third");
        EXPECT_EQ(chain[0].alignmentLine1, "GGATCACA");
        EXPECT_EQ(chain[0].alignmentLine2, "AGTCTTGA");
        EXPECT_TRUE(driver({}, motifs, 0.9, 1).empty());
    }
}

TEST(combinationDrivers, realMotifsGiveTheSameChainsOnAnyThreadCount) {
    RunState s = stateWith({}, 0.75);
    if (!loadMotifFiles(s, {"jaspar2016_rsat/pfm_nematodes.txt", "jaspar2016_rsat/pfm_insects.txt"},
                        25))
        FAIL() << kMissingMotifData;
    s.numTopMotif = 10;
    s.numBestMatches = 3;
    const RankedGroups ranked = rankedGroups(s);
    ASSERT_FALSE(ranked.topGlobal.empty());

    using Driver = Chain (*)(const bestMatchList&, const std::vector<data>&, double, int);
    const struct {
        Driver driver;
        const std::vector<bestMatchList>* groups;
        MergeMode mode;
    } modes[] = {{combinedMatrixGlobalMatching, &ranked.topGlobal, MergeMode::Global},
                 {combinedMatrixGlobalAndLocalMatching, &ranked.topAll, MergeMode::GlobalAndLocal},
                 {combinedMatrixBestMatches, &ranked.every, MergeMode::BestMatches}};
    std::size_t chainSteps = 0;
    for (const auto& m : modes) {
        MergeChains one, eight;
        for (const bestMatchList& group : *m.groups) {
            one.push_back(m.driver(group, s.Datasets, s.simCutoff, 1));
            eight.push_back(m.driver(group, s.Datasets, s.simCutoff, 8));
        }
        ASSERT_EQ(one.size(), eight.size());
        for (std::size_t c = 0; c < one.size(); ++c) {
            ASSERT_EQ(one[c].size(), eight[c].size()) << "chain " << c;
            for (std::size_t k = 0; k < one[c].size(); ++k)
                EXPECT_TRUE(sameStep(one[c][k], eight[c][k])) << "chain " << c << " step " << k;
            for (std::size_t k = 0; k < one[c].size(); ++k) {
                const combinedMatrices& r = one[c][k];
                if (r.mergedFlag != "Y") continue;
                chainSteps += k > 0;
                // Every merge lies on a frame as wide as both motifs less their overlap,
                // and is drawn on it.
                const std::size_t width = r.matrix1.size() + r.matrix2.size() -
                                          static_cast<std::size_t>(r.overlapLength);
                EXPECT_EQ(r.combinedMatrix.size(), width);
                EXPECT_EQ(r.alignmentLine1.size(), r.alignmentLine2.size());
                EXPECT_EQ(r.alignmentLine1.size(), width);
            }
        }
        std::ostringstream a, b;
        writeCombinedMotifChains(a, one, m.mode);
        writeCombinedMotifChains(b, eight, m.mode);
        EXPECT_EQ(a.str(), b.str());
    }
    EXPECT_GT(chainSteps, 0u);  // the chains went past their first merge
}

}  // namespace
