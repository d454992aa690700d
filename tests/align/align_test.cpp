// The two-motif toolkit: pair scans and their key, merge frames, merged rows, drawings.
#include <gtest/gtest.h>

#include <random>

#include "align/align.h"
#include "align/alignSupport.h"

namespace {

using Records = std::vector<dataCombinedScore>;

// ---- Two-matrix scans ---------------------------------------------------------------

TEST(scanTwoMatrices, keyIsTheDistanceFromAPerfectAlignmentOfTheShorterMotif) {
    // GGATCACA ends with the TCACA that starts TCACAGTC. Each direction finds that
    // overlap once per strand: forward as the reverse complements' straight placement and
    // as the originals' mirrored one, backward the other way round. Both records of a
    // list share the key, so the straight pass, gathered first, stays first.
    using enum Strand;
    const Matrix a = oneHot("GGATCACA"), b = oneHot("TCACAGTC");
    for (Direction d : {Direction::Forward, Direction::Backward}) {
        SCOPED_TRACE(directionText(d));
        const Records list = d == Direction::Forward ? forwardScanTwoMatrices(a, b, 0.9, 1)
                                                     : backwardScanTwoMatrices(a, b, 0.9, 1);
        ASSERT_EQ(list.size(), 2u);
        const Strand straightStrand = d == Direction::Forward ? RevComp : Original;
        const Strand mirroredStrand = d == Direction::Forward ? Original : RevComp;
        const Placement expected[2] = {
            {d, true, 4, 5, straightStrand, straightStrand, kScanMatrix1, kScanMatrix2, 1.5},
            {d, false, 4, 5, mirroredStrand, mirroredStrand, kScanMatrix2, kScanMatrix1, 1.5},
        };
        for (std::size_t k = 0; k < 2; ++k) {
            dataCombinedScore want = placed(expected[k]);
            want.alignmentScore = 1.0;
            EXPECT_TRUE(sameRecord(list[k], want)) << "record " << k;
            // 0.5 x ((1 - score) + (shorter length - overlap))
            EXPECT_EQ(list[k].similarityScore, 0.5 * ((1.0 - 1.0) + (8 - 5)));
        }
    }
    // TCACA lies whole in GGATCACA (and TGTGA at the start of its reverse complement, also
    // on the mirrored pass): key 0, ahead of every partial or imperfect placement.
    const Records inside = forwardScanTwoMatrices(oneHot("TCACA"), a, 0.5, 1);
    ASSERT_GT(inside.size(), 3u);
    for (std::size_t k = 0; k < inside.size(); ++k) {
        const dataCombinedScore& r = inside[k];
        EXPECT_EQ(r.similarityScore, 0.5 * ((1.0 - r.alignmentScore) + (5 - r.overlapLength)));
        if (k < 3) {
            EXPECT_EQ(r.similarityScore, 0.0);
        } else {
            EXPECT_GT(r.similarityScore, 0.0);
        }
    }
}

TEST(scanTwoMatrices, equalKeysKeepTheStraightPassFirst) {
    const Matrix m = oneHot("ACGTTGCA");
    const Records list = forwardScanTwoMatrices(m, m, 0.5, 4);
    ASSERT_GE(list.size(), 2u);
    // Shift 0 twice, once per pass, perfect on "Both Orig" (the later pairings only tie).
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(list[k].similarityScore, 0.0);
        EXPECT_EQ(list[k].position, 1);
        EXPECT_EQ(list[k].matchFormat1, Strand::Original);
        EXPECT_EQ(list[k].matchFormat2, Strand::Original);
    }
    EXPECT_TRUE(list[0].matchFlag);
    EXPECT_EQ(list[0].motifID1, kScanMatrix1);
    EXPECT_FALSE(list[1].matchFlag);
    EXPECT_EQ(list[1].motifID1, kScanMatrix2);
}

TEST(scanTwoMatrices, aMatrixShorterThanTheOverlapGivesNothing) {
    EXPECT_TRUE(forwardScanTwoMatrices(oneHot("ACG"), oneHot("ACGTACGTAC"), 0.5, 2).empty());
    EXPECT_TRUE(backwardScanTwoMatrices(oneHot("ACGTACGTAC"), oneHot("ACG"), 0.5, 2).empty());
}

TEST(scanTwoMatrices, listsAreTheSameForAnyThreadCount) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> weight(0, 3);
    const auto randomMatrix = [&](int rows) {
        Matrix m;
        for (int k = 0; k < rows; ++k) {
            Row r{};
            double sum = 0;
            for (double& v : r) sum += v = weight(rng);
            for (double& v : r) v = sum > 0 ? v / sum : 0.25;
            m.push_back(r);
        }
        return m;
    };
    const Matrix a = randomMatrix(14), b = randomMatrix(9);
    for (auto scan : {forwardScanTwoMatrices, backwardScanTwoMatrices}) {
        const Records one = scan(a, b, 0.5, 1);
        ASSERT_GT(one.size(), 5u);
        for (int threads : {2, 8}) {
            const Records many = scan(a, b, 0.5, threads);
            ASSERT_EQ(many.size(), one.size());
            for (std::size_t k = 0; k < one.size(); ++k)
                EXPECT_TRUE(sameRecord(many[k], one[k])) << threads << " threads, record " << k;
        }
    }
}

// ---- Merge frame and merged rows -----------------------------------------------------

// Rows that tell their matrix and row number apart, and average exactly.
Matrix numbered(int rows, double matrix) {
    Matrix m;
    for (int k = 0; k < rows; ++k) m.push_back({matrix, static_cast<double>(k), 0.0, 1.0});
    return m;
}

struct MergeCase {
    const char* name;
    int rows1, rows2;
    Placement at;
    int width, start1, start2;  // frame rows, where each matrix's first row lies
};

TEST(combinedTwoMatrices, laysBothMotifsOnTheirFrameRows) {
    using enum Direction;
    const MergeCase cases[] = {
        {"forward at position 1", 6, 8, {.position = 1, .overlap = 6}, 8, 0, 0},
        {"backward at position 1", 6, 8, {Backward, true, 1, 6}, 8, 2, 0},
        {"forward, first motif inside", 6, 8, {Forward, true, 3, 6}, 8, 2, 0},
        {"backward, first motif inside", 5, 8, {Backward, true, 2, 5}, 8, 2, 0},
        {"inside, whatever the flag", 5, 8, {Forward, false, 2, 5}, 8, 1, 0},
        {"mirrored backward, second matrix inside", 8, 5, {Backward, false, 2, 5}, 8, 0, 2},
        {"equal lengths, forward mirrored", 6, 6, {Forward, false, 3, 4}, 8, 0, 2},
        {"equal lengths, backward straight", 6, 6, {Backward, true, 3, 4}, 8, 0, 2},
        {"equal lengths, forward straight", 6, 6, {Forward, true, 3, 4}, 8, 2, 0},
        {"equal lengths, backward mirrored", 6, 6, {Backward, false, 3, 4}, 8, 2, 0},
        {"forward straight past the end", 6, 8, {Forward, true, 5, 4}, 10, 4, 0},
        {"backward mirrored past the start", 6, 8, {Backward, false, 3, 4}, 10, 4, 0},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Matrix m1 = numbered(c.rows1, 10), m2 = numbered(c.rows2, 20);
        const Matrix merged = combinedTwoMatrices(m1, m2, placed(c.at));
        ASSERT_EQ(merged.size(), static_cast<std::size_t>(c.width));
        for (int p = 0; p < c.width; ++p) {
            const int k1 = p - c.start1, k2 = p - c.start2;
            const bool in1 = k1 >= 0 && k1 < c.rows1, in2 = k2 >= 0 && k2 < c.rows2;
            ASSERT_TRUE(in1 || in2);
            Row expected = in1 ? m1[k1] : m2[k2];
            if (in1 && in2)
                for (int col = 0; col < 4; ++col) expected[col] = (m1[k1][col] + m2[k2][col]) * 0.5;
            EXPECT_EQ(merged[p], expected) << "frame row " << p;
        }
    }
}

TEST(combinedTwoMatrices, aMotifMergedWithItselfAtPosition1IsUnchanged) {
    const Matrix m = {
        {0.1, 0.2, 0.3, 0.4}, {0.7, 0.1, 0.1, 0.1}, {0, 0, 1, 0}, {0.25, 0.25, 0.25, 0.25}};
    EXPECT_EQ(combinedTwoMatrices(m, m, placed({.overlap = 4})), m);
}

TEST(combinedTwoMatrices, aRecordThatPlacesNoSuchPairGivesNothing) {
    using enum Direction;
    const Placement none[] = {
        {Forward, false, 3, 5},  // the overlap of another placement
        {Backward, false, 3, 5},
        {Forward, true, 1, 5},   // at position 1 the shorter motif lies whole
        {Forward, true, 2, 9},   // more rows shared than either has
        {Forward, true, 8, 4},   // the first motif would run past the frame
        {Backward, true, 9, 1},
        {Forward, true, 3, -3},
    };
    const Matrix m1 = numbered(6, 1), m2 = numbered(8, 2);
    for (const Placement& p : none) {
        SCOPED_TRACE(::testing::Message() << "position " << p.position << " overlap " << p.overlap);
        EXPECT_FALSE(mergeFrame(6, 8, placed(p)));
        EXPECT_TRUE(combinedTwoMatrices(m1, m2, placed(p)).empty());
    }
    EXPECT_TRUE(combinedTwoMatrices({}, {}, placed({.overlap = 0})).empty());
}

// ---- Drawing ---------------------------------------------------------------------------

struct DrawCase {
    const char* name;
    Matrix m1, m2;
    Placement at;
    const char* drawing;
};

template <std::size_t N>
void expectDrawings(const DrawCase (&cases)[N]) {
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(alignTwoMatrices(c.m1, c.m2, placed(c.at)), c.drawing);
    }
}

TEST(alignTwoMatrices, drawsEachConsensusOnItsOwnFrameRows) {
    using enum Direction;
    const Matrix six = oneHot("ACGTAC"), eight = oneHot("GGTTCCAA"), other = oneHot("TTGGCA");
    // A row that fits no consensus rule drops its letter.
    Matrix shortSix = oneHot("ACGTA");
    shortSix.push_back({0.6, 0.6, 0.0, 0.0});
    Matrix shortEight = oneHot("GGTTCCA");
    shortEight.insert(shortEight.begin(), Row{0.6, 0.6, 0.0, 0.0});

    const DrawCase cases[] = {
        {"forward inside", six, eight, {Forward, true, 3, 6}, "--ACGTAC_GGTTCCAA"},
        {"backward inside", six, eight, {Backward, true, 3, 6}, "ACGTAC--_GGTTCCAA"},
        {"forward mirrored", six, eight, {Forward, false, 3, 4}, "ACGTAC----_--GGTTCCAA"},
        {"backward mirrored", six, eight, {Backward, false, 3, 4}, "----ACGTAC_GGTTCCAA--"},
        {"forward at position 1", six, eight, {.position = 1, .overlap = 6}, "ACGTAC--_GGTTCCAA"},
        {"backward at position 1", six, eight, {Backward, true, 1, 6}, "--ACGTAC_GGTTCCAA"},
        {"equal lengths whole", six, other, {.position = 1, .overlap = 6}, "ACGTAC_TTGGCA"},
        {"equal lengths overlapping", six, other, {Forward, true, 3, 4}, "--ACGTAC_TTGGCA--"},
        {"short consensus, forward", shortSix, eight, {Forward, false, 3, 4},
         "ACGTA-----_--GGTTCCAA"},
        {"short consensus, backward", shortSix, eight, {Backward, false, 3, 4},
         "-----ACGTA_GGTTCCAA--"},
        {"short consensus filling the frame", six, shortEight, {Forward, true, 3, 6},
         "--ACGTAC_GGTTCCA"},
    };
    expectDrawings(cases);
}

// No run draws these: the merge refuses such records first. The drawing still lays the
// letters where the flag, position and overlap put them, and gives nothing only when a
// letter would leave its line.
TEST(alignTwoMatrices, drawsArgumentsThatPlaceNoSuchPairWhereverTheLettersFit) {
    using enum Direction;
    const Matrix six = oneHot("ACGTAC"), eight = oneHot("GGTTCCAA");
    const DrawCase cases[] = {
        // The overlap is not the 4 that matrix2 starting 3 rows into matrix1 implies: both
        // lines are lengthened by L2 + s, 19 characters each.
        {"mirrored forward, lengthened", six, eight, {Forward, false, 3, 5},
         "ACGTAC-------------_--GGTTCCAA---------"},
        {"mirrored backward, lengthened", six, eight, {Backward, false, 3, 5},
         "----ACGTAC---------_GGTTCCAA-----------"},
        {"mirrored forward, the longer first: no lengthening", eight, six, {Forward, false, 3, 5},
         "GGTTCCAA-_--ACGTAC-"},
        {"position 1 with a short overlap", six, eight, {Forward, true, 1, 5},
         "ACGTAC---_GGTTCCAA-"},
        {"a negative overlap widens the lines", six, eight, {Forward, true, 3, -3},
         "--ACGTAC---------_GGTTCCAA---------"},
        {"a line narrower than both", six, eight, {Forward, true, 2, 9}, ""},
        {"the first motif past the end", six, eight, {Forward, true, 8, 4}, ""},
        {"the first motif before the start", six, eight, {Backward, true, 9, 1}, ""},
        {"backward at position 1, too narrow", six, eight, {Backward, true, 1, 9}, ""},
    };
    expectDrawings(cases);
}

TEST(splitAlignment, cutsAtTheFirstUnderscore) {
    EXPECT_EQ(splitAlignment("--AC_GT--"), (std::pair<std::string, std::string>{"--AC", "GT--"}));
    EXPECT_EQ(splitAlignment("AC_G_T"), (std::pair<std::string, std::string>{"AC", "G_T"}));
    EXPECT_EQ(splitAlignment("ACGT"), (std::pair<std::string, std::string>{"ACGT", "ACGT"}));
}

}  // namespace
