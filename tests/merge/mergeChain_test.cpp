// Merge chains: accepted steps, refusals, chains that end early, and out-of-range input.
#include <gtest/gtest.h>

#include <limits>

#include "align/align.h"
#include "align/alignSupport.h"
#include "merge/merge.h"
#include "model/model.h"

namespace {

using Chain = std::vector<combinedMatrices>;

// GGATCACA and TCACAGTC overlap by TCACA; AGTCTTGA continues their merge by AGTC, and
// TTGACCAT that by TTGA. CCCCCCCC aligns with none of them.
std::vector<data> chainMotifs() {
    std::vector<data> motifs = {
        oneHotMotif(1, 1, "M1", "GGATCACA"), oneHotMotif(2, 2, "M2", "TCACAGTC"),
        oneHotMotif(3, 2, "M3", "AGTCTTGA"), oneHotMotif(4, 2, "M4", "TTGACCAT"),
        oneHotMotif(5, 2, "M5", "AGTCA"),    oneHotMotif(6, 2, "M6", "CCCCCCCC")};
    // M5's last row holds no number: every placement over it scores NaN and is dropped.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    motifs[4].matrix.back() = {nan, nan, nan, nan};
    motifs[4].revCompMatrix = getRevCompMotif(motifs[4].matrix);
    return motifs;
}

dataCombinedScore entry(std::int32_t partner, Placement p = {}) {
    p.motifID1 = 1;
    p.motifID2 = partner;
    return placed(p);
}

// The merge of M1 and M2 that a driver hands to the chain.
const Matrix kFirstMerge = oneHot("GGATCACAGTC");

TEST(mergeChain, mergesEveryFurtherEntryAndHandsEachMergeOn) {
    const std::vector<data> motifs = chainMotifs();
    const bestMatchList group = {entry(2), entry(3), entry(4)};
    const Chain chain = combinedMatrixG(kFirstMerge, group, 1, motifs, 0.9, 1);
    ASSERT_EQ(chain.size(), 2u);

    // Each overlap of four is found forward on the reverse strands first and kept over the
    // equal backward one; the combined motif is the scan's matrix 1 and is named first.
    const struct {
        const char* member;
        const char* format1;
        const char* merged;
        const char* line1;
        const char* line2;
    } expected[] = {
        {"M3", "Reverse Complement", "TCAAGACTGTGATCC", "----GACTGTGATCC", "TCAAGACT-------"},
        {"M4", "Original Motif", "ATGGTCAAGACTGTGATCC", "----TCAAGACTGTGATCC",
         "ATGGTCAA-----------"},
    };
    for (std::size_t k = 0; k < chain.size(); ++k) {
        SCOPED_TRACE(k);
        const combinedMatrices& r = chain[k];
        EXPECT_EQ(r.mergedFlag, "Y");
        EXPECT_EQ(r.motifID1, kScanMatrix1);
        EXPECT_EQ(r.motifName1, kCombinedMotifName);
        EXPECT_EQ(r.motifName2, expected[k].member);
        EXPECT_EQ(r.matchFormat1, expected[k].format1);
        EXPECT_EQ(r.matchFormat2, "Reverse Complement");
        EXPECT_EQ(r.matchFlag, "Y");
        EXPECT_EQ(r.direction, "Forward");
        EXPECT_EQ(r.position, 5);
        EXPECT_EQ(r.overlapLength, 4);
        EXPECT_EQ(r.similarityScore, 0.5 * (8 - 4));
        EXPECT_EQ(getConsensusString(r.combinedMatrix), expected[k].merged);
        EXPECT_EQ(r.alignmentLine1, expected[k].line1);
        EXPECT_EQ(r.alignmentLine2, expected[k].line2);
        EXPECT_EQ(r.matrix2, motifs[static_cast<std::size_t>(k) + 2].revCompMatrix);
    }
    EXPECT_EQ(chain[0].matrix1, getRevCompMotif(kFirstMerge));
    EXPECT_EQ(chain[1].matrix1, chain[0].combinedMatrix);

    const Chain threaded = combinedMatrixB(kFirstMerge, group, 1, motifs, 0.9, 8);
    ASSERT_EQ(threaded.size(), chain.size());
    for (std::size_t k = 0; k < chain.size(); ++k) EXPECT_TRUE(sameStep(threaded[k], chain[k]));
}

TEST(mergeChain, aMirroredStepNamesEachMotifBesideItsOwnMatrix) {
    // CMCAGTCA starts four rows into the combined motif and runs past its end: the scan
    // finds it in its mirrored pass, which names the member first. (Its M row keeps the
    // reverse strands from aligning as well, which the straight pass would find first.)
    // The step's row still shows the combined motif first, beside the matrix, format and
    // line that are its own.
    std::vector<data> motifs = chainMotifs();
    motifs.push_back(oneHotMotif(7, 2, "M7", "CACAGTCA"));
    motifs[6].matrix[1] = {0.45, 0.55, 0.0, 0.0};
    motifs[6].revCompMatrix = getRevCompMotif(motifs[6].matrix);
    const Chain chain = combinedMatrixG(kFirstMerge, {entry(2), entry(7)}, 1, motifs, 0.9, 1);
    ASSERT_EQ(chain.size(), 1u);
    const combinedMatrices& r = chain[0];
    EXPECT_EQ(r.mergedFlag, "Y");
    EXPECT_EQ(r.matchFlag, "");
    EXPECT_EQ(r.motifID1, kScanMatrix2);
    EXPECT_EQ(r.motifName1, kCombinedMotifName);
    EXPECT_EQ(r.motifName2, "M7");
    EXPECT_EQ(r.matrix1, kFirstMerge);
    EXPECT_EQ(r.matrix2, motifs[6].matrix);
    EXPECT_EQ(r.matchFormat1, "Original Motif");
    EXPECT_EQ(r.matchFormat2, "Original Motif");
    EXPECT_EQ(r.alignmentLine1, "GGATCACAGTC-");
    EXPECT_EQ(r.alignmentLine2, "----CMCAGTCA");
    EXPECT_EQ(getConsensusString(r.combinedMatrix), "GGATCACAGTCA");
}

TEST(mergeChain, aRefusedMergeListsThatEntryAndEveryLaterOneWithItsOwnAlignment) {
    // Readers never give a row without numbers, and nothing else makes a merge fail its
    // check: M5 fits onto the combined motif by its first four rows, but no forward
    // placement of the merge against M5 avoids the empty row.
    const std::vector<data> motifs = chainMotifs();
    using enum Direction;
    using enum Strand;
    const bestMatchList group = {
        entry(2), entry(5, {.position = 1, .overlap = 5, .key = 0.25}),
        entry(3, {Forward, true, 1, 8, RevComp, Original}),
        entry(4, {Backward, false, 3, 6, RevComp, Original})};
    const Chain chain = combinedMatrixGL(kFirstMerge, group, 1, motifs, 0.9, 2);
    ASSERT_EQ(chain.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const combinedMatrices& r = chain[k];
        const dataCombinedScore& g = group[k + 1];
        const data& d2 = motifs[static_cast<std::size_t>(g.motifID2 - 1)];
        EXPECT_EQ(r.mergedFlag, "N");
        EXPECT_EQ(r.motifID1, 1);
        EXPECT_EQ(r.motifID2, g.motifID2);
        EXPECT_EQ(r.motifName1, "M1");
        EXPECT_EQ(r.motifName2, d2.motifName);
        EXPECT_EQ(r.direction, directionText(g.direction));
        EXPECT_EQ(r.position, g.position);
        EXPECT_EQ(r.overlapLength, g.overlapLength);
        EXPECT_EQ(r.similarityScore, g.similarityScore);
        EXPECT_EQ(r.matrix1,
                  g.matchFormat1 == Original ? motifs[0].matrix : motifs[0].revCompMatrix);
        // The refused step took M5 on its reverse strand, as the combined motif's: every
        // later entry's combined column holds its own motif in that strand. (M5's empty
        // row equals nothing, so its matrices are told by their size.)
        if (g.motifID2 == 5) {
            EXPECT_EQ(r.matrix2.size(), 5u);
            EXPECT_EQ(r.combinedMatrix.size(), 5u);
            continue;
        }
        EXPECT_EQ(r.matrix2, d2.matrix);
        EXPECT_EQ(r.combinedMatrix, d2.revCompMatrix);
    }
    // Each entry's own placement, drawn as its merge would be: M1's reverse strand and M3
    // whole from the start; the mirrored entry has M4's reverse strand (its pair scan's
    // first motif) on the first line and M1 ending two rows before it.
    EXPECT_EQ(chain[1].alignmentLine1, "TGTGATCC");
    EXPECT_EQ(chain[1].alignmentLine2, "AGTCTTGA");
    EXPECT_EQ(chain[2].alignmentLine1, "--ATGGTCAA");
    EXPECT_EQ(chain[2].alignmentLine2, "GGATCACA--");
}

TEST(mergeChain, endsWithoutRecordsWhereTheCombinedMotifFindsNoAlignment) {
    const std::vector<data> motifs = chainMotifs();
    const bestMatchList group = {entry(2), entry(3), entry(6), entry(4)};
    const Chain chain = combinedMatrixG(kFirstMerge, group, 1, motifs, 0.9, 1);
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_EQ(chain[0].motifName2, "M3");
}

TEST(mergeChain, anIndexOutsideTheGroupOrAMotifOutsideTheStoreIsNeverRead) {
    const std::vector<data> motifs = chainMotifs();
    const bestMatchList group = {entry(2), entry(3)};
    for (std::int32_t index : {-1, 2, 7})
        EXPECT_TRUE(combinedMatrixB(kFirstMerge, group, index, motifs, 0.9, 1).empty()) << index;

    // An unknown member cannot be aligned: it and the later entries are refused, and the
    // unknown one is left out of the list.
    const bestMatchList unknown = {entry(2), entry(99), entry(0), entry(3)};
    const Chain chain = combinedMatrixB(kFirstMerge, unknown, 1, motifs, 0.9, 1);
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_EQ(chain[0].mergedFlag, "N");
    EXPECT_EQ(chain[0].motifName2, "M3");
}

TEST(scannedPair, takesTheMotifsInTheirPairScansOrderAndStrands) {
    const std::vector<data> motifs = chainMotifs();
    using enum Strand;
    const auto pairOf = [&](bool matchFlag, Strand f1, Strand f2) {
        return scannedPair(placed({.matchFlag = matchFlag, .format1 = f1, .format2 = f2}), motifs);
    };
    // Record 1 -> 2 straight: motif 1 in the first format. Mirrored (motif 1 being the
    // scan's second): motif 2 in the first format, motif 1 in the second.
    const auto straight = pairOf(true, RevComp, Original);
    ASSERT_TRUE(straight);
    EXPECT_EQ(straight->matrix1, &motifs[0].revCompMatrix);
    EXPECT_EQ(straight->matrix2, &motifs[1].matrix);
    EXPECT_EQ(straight->strandOfSecondMotif, Original);
    const auto mirrored = pairOf(false, RevComp, Original);
    ASSERT_TRUE(mirrored);
    EXPECT_EQ(mirrored->matrix1, &motifs[1].revCompMatrix);
    EXPECT_EQ(mirrored->matrix2, &motifs[0].matrix);
    EXPECT_EQ(mirrored->strandOfSecondMotif, RevComp);
    EXPECT_FALSE(scannedPair(placed({.motifID2 = 7}), motifs));
    EXPECT_FALSE(scannedPair(placed({.motifID1 = -3}), motifs));
}

}  // namespace
