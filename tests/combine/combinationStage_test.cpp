// The combination stage on a run state: which result sets it merges and reports, what
// reaches the documents, any thread count, and documents that cannot be opened.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

#include "align/alignSupport.h"
#include "combine/combinationStage.h"
#include "compare/compare.h"
#include "compare/fixtures.h"
#include "support/support.h"

namespace {

using Driver = std::vector<combinedMatrices> (*)(const bestMatchList&, const std::vector<data>&,
                                                 double, int);

// The three result sets as the stage sees them, in report order.
struct ResultSet {
    MergeMode mode;
    ReportDoc document;
    std::vector<bestMatchList> RunState::*groups;
    MergeChains RunState::*chains;
    Driver driver;
};
const ResultSet kResultSets[] = {
    {MergeMode::Global, ReportDoc::CombinedGlobal, &RunState::topGlobalMatchingResults,
     &RunState::mergedMotifGlobalMatching, combinedMatrixGlobalMatching},
    {MergeMode::GlobalAndLocal, ReportDoc::CombinedGlobalAndLocal,
     &RunState::topGlobalAndLocalMatchingResults, &RunState::mergedMotifGlobalAndLocalMatching,
     combinedMatrixGlobalAndLocalMatching},
    {MergeMode::BestMatches, ReportDoc::CombinedBestMatches, &RunState::topBestMatchesResults,
     &RunState::mergedMotifBestMatches, combinedMatrixBestMatches},
};

// Compares, ranks and fills the three group lists as a run of type All that combines does.
void rank(RunState& s, std::ostringstream& console) {
    s.console = &console;
    s.combinedMotifFlag = true;
    s.outputFileType = OutputType::All;
    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);
    getResultsList(s);
}

// Three motifs in two files: every result set has groups, and chains go past their first
// merge.
RunState rankedOneHotState(const Workspace& w, std::ostringstream& console) {
    RunState s = stateWith({oneHotMotif(1, 1, "Left", "GGATCACA"),
                            oneHotMotif(2, 2, "Right", "TCACAGTC"),
                            oneHotMotif(3, 2, "Third", "AGTCTTGA")},
                           0.9);
    rank(s, console);
    placeDocuments(s, w);
    return s;
}

std::string bodyOf(const MergeChains& chains, MergeMode mode) {
    std::ostringstream out;
    writeCombinedMotifChains(out, chains, mode);
    return out.str();
}

TEST(combineSimilarMotifs, mergesAndReportsTheResultSetsTheOutputTypeAsksFor) {
    const struct {
        const char* name;
        OutputType type;
        bool globalGroups;
        bool written[3];  // global, global and local, best matches
    } cases[] = {
        {"Global-Only", OutputType::GlobalOnly, true, {true, false, false}},
        // The global report is written without groups too: it appends nothing.
        {"Global-Only without global groups", OutputType::GlobalOnly, false,
         {true, false, false}},
        {"All", OutputType::All, true, {true, true, true}},
        {"All without global groups", OutputType::All, false, {false, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Workspace w;
        std::ostringstream console;
        RunState s = rankedOneHotState(w, console);
        for (const ResultSet& set : kResultSets) ASSERT_FALSE((s.*set.groups).empty());
        // Ranked as for type All, so the lists the type leaves out are there to be ignored.
        s.outputFileType = c.type;
        if (!c.globalGroups) s.topGlobalMatchingResults.clear();
        // An empty group is passed over and leaves no chain.
        s.topBestMatchesResults.insert(s.topBestMatchesResults.begin() + 1, bestMatchList{});

        combineSimilarMotifs(s);

        for (std::size_t k = 0; k < 3; ++k) {
            const ResultSet& set = kResultSets[k];
            SCOPED_TRACE(defaultDocumentName(set.document));
            const fs::path document = s.documents[set.document].path;
            // No header was written, so the document exists exactly when the stage wrote.
            EXPECT_EQ(fs::exists(document), c.written[k]);
            MergeChains expected;
            if (c.written[k])
                for (const bestMatchList& group : s.*set.groups)
                    if (!group.empty()) expected.push_back(set.driver(group, s.Datasets, 0.9, 1));
            const MergeChains& chains = s.*set.chains;
            ASSERT_EQ(chains.size(), expected.size());
            for (std::size_t g = 0; g < chains.size(); ++g) {
                ASSERT_EQ(chains[g].size(), expected[g].size()) << "chain " << g;
                for (std::size_t r = 0; r < chains[g].size(); ++r)
                    EXPECT_TRUE(sameStep(chains[g][r], expected[g][r])) << g << ", " << r;
            }
            if (c.written[k]) {
                EXPECT_EQ(slurp(document), bodyOf(chains, set.mode));
            }
            EXPECT_FALSE(s.documents[set.document].stream.is_open());
        }
        // The stage builds whole chains; the per-group working lists stay unused.
        EXPECT_TRUE(s.mergedMotifList.empty());
        EXPECT_TRUE(s.mergedMotifListGlobalAndLocal.empty());
        EXPECT_TRUE(s.mergedMotifListBestMatches.empty());
    }
}

TEST(combineSimilarMotifs, realMotifsGiveTheSameListsAndReportsOnOneAndEightThreads) {
    struct Run {
        Workspace w;
        std::ostringstream console;
        RunState s;
    };
    const auto combined = [](Run& run, int threads) {
        if (!loadMotifFiles(run.s, {"jaspar2016_rsat/pfm_nematodes.txt",
                                    "jaspar2016_rsat/pfm_insects.txt"},
                            25))
            return false;
        run.s.simCutoff = 0.75;
        run.s.numTopMotif = 10;
        run.s.numBestMatches = 4;
        run.s.numThread = threads;
        rank(run.s, run.console);
        placeDocuments(run.s, run.w);
        combineSimilarMotifs(run.s);
        return true;
    };
    Run one, eight;
    if (!combined(one, 1) || !combined(eight, 8)) FAIL() << kMissingMotifData;

    std::size_t mirroredFirst = 0, mirroredSteps = 0;
    for (const ResultSet& set : kResultSets) {
        SCOPED_TRACE(defaultDocumentName(set.document));
        const MergeChains& a = one.s.*set.chains;
        const MergeChains& b = eight.s.*set.chains;
        ASSERT_GT(a.size(), 1u);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t g = 0; g < a.size(); ++g) {
            ASSERT_EQ(a[g].size(), b[g].size()) << "chain " << g;
            for (std::size_t r = 0; r < a[g].size(); ++r) {
                EXPECT_TRUE(sameStep(a[g][r], b[g][r])) << g << ", " << r;
                const combinedMatrices& step = a[g][r];
                if (step.mergedFlag != "Y") continue;
                (r == 0 ? mirroredFirst : mirroredSteps) += step.matchFlag.empty();
                // Whatever motif the alignment puts first, each name stands beside its own
                // matrix in the format beside it: the pair scan's order. In a chain step the
                // growing combined motif is the scan's first.
                const auto strandOf = [](const std::string& format) {
                    return format == "Original Motif" ? Strand::Original : Strand::RevComp;
                };
                std::vector<std::tuple<const std::string*, const Matrix*, const std::string*>>
                    named{{&step.motifName2, &step.matrix2, &step.matchFormat2}};
                if (r == 0)
                    named.emplace_back(&step.motifName1, &step.matrix1, &step.matchFormat1);
                else
                    EXPECT_EQ(step.motifName1, kCombinedMotifName)
                        << "chain " << g << ", step " << r;
                for (const auto& [name, matrix, format] : named) {
                    const data* motif = nullptr;
                    for (const data& m : one.s.Datasets)
                        if (m.motifName == *name) motif = &m;
                    ASSERT_NE(motif, nullptr) << *name;
                    EXPECT_EQ(*matrix, strandMatrix(*motif, strandOf(*format)))
                        << "chain " << g << ", step " << r << ": " << *name;
                }
            }
        }
        EXPECT_EQ(slurp(one.s.documents[set.document].path),
                  slurp(eight.s.documents[set.document].path));
    }
    // The names were put to the test on mirrored alignments too.
    EXPECT_GT(mirroredFirst, 0u);
    EXPECT_GT(mirroredSteps, 0u);
}

TEST(combinedMotifWriters, aDocumentThatCannotBeOpenedEndsTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // earlier tests leave OpenMP threads
    for (auto writer :
         {WriteCombinedMotifsGlobal, WriteCombinedMotifsGlobalAndLocal, WriteCombinedMotifsBestMatches}) {
        Workspace w;
        RunState s;
        placeDocuments(s, w);
        fs::remove_all(w.result());
        s.console = &std::cerr;  // what the death test can see
        EXPECT_EXIT(writer(s), testing::ExitedWithCode(1),
                    "Invalid output path or output filename\\.$");
        EXPECT_FALSE(fs::exists(w.result()));
    }
}

}  // namespace
