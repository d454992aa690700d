// Diagnostic dumps: file names, field order and silent failure.
#include <gtest/gtest.h>

#include "listings/listings.h"
#include "compare/fixtures.h"
#include "support/support.h"

namespace {

RunState dumpState(const Workspace& w) {
    RunState s = stateWith({countMotif(1, 1, {{1, 1, 1, 1}}, "alpha"),
                            countMotif(2, 2, {{1, 1, 1, 1}}, "beta")},
                           0.5);
    s.outputPath = w.result().string() + "/";
    dataCombinedScore mirrored;
    mirrored.motifID1 = 2;
    mirrored.motifID2 = 1;
    mirrored.position = 3;
    mirrored.overlapLength = 5;
    mirrored.direction = Direction::Backward;
    mirrored.matchFlag = false;
    mirrored.matchFormat1 = Strand::Original;
    mirrored.matchFormat2 = Strand::RevComp;
    mirrored.alignmentScore = 0.875;
    s.DatasetsCombinedScoreLists = {mirrored};
    s.maxScoresList = {{1, 1.025, 7, 5}, {2, 0.9, 6, 5}};
    s.DatasetsCombinedScoreLists[0].similarityScore =
        similarityKey(mirrored, s.maxScoresList[1]);
    return s;
}

TEST(writeCombinedScoreList, writesEighteenFieldsEachFollowedByATab) {
    Workspace w;
    RunState s = dumpState(w);
    writeCombinedScoreList(s);
    EXPECT_EQ(slurp(w.result() / "combinedScore.txt"),
              "------------------ Combined score list ----------------\n"
              "Backward\t2\t1\t2\t2\t1\t2\t1\tbeta\talpha\t3\t5\tOriginal Motif\t"
              "Reverse Complement\t0.875\t0.025\t1\t0.5125\t\n");
}

TEST(writeScoreList, carriesTheMatchFlagAndNamesItsFileByNumber) {
    Workspace w;
    RunState s = dumpState(w);
    writeScoreList(s, s.DatasetsCombinedScoreLists, 7);
    const std::string expected =
        "------------------ Score list ----------------\n"
        "Backward\t2\t1\t2\t2\t1\t2\t1\tbeta\talpha\t\t3\t5\tOriginal Motif\t"
        "Reverse Complement\t0.875\t0.025\t1\t0.5125\t\n";
    EXPECT_EQ(slurp(w.result() / "ScoreDBG7.txt"), expected);
    // A second dump with the same number replaces the first; an empty list leaves the title.
    writeScoreList(s, {}, 7);
    EXPECT_EQ(slurp(w.result() / "ScoreDBG7.txt"),
              "------------------ Score list ----------------\n");
    writeScoreList(s, {}, -2);
    EXPECT_TRUE(fs::exists(w.result() / "ScoreDBG-2.txt"));
}

TEST(writeScoreList, anUnwritableFolderIsPassedOverSilently) {
    Workspace w;
    RunState s = dumpState(w);
    s.outputPath = (w.root / "missing" / "").string();
    writeScoreList(s, s.DatasetsCombinedScoreLists, 1);
    writeCombinedScoreList(s);
    EXPECT_FALSE(fs::exists(w.root / "missing"));
}

}  // namespace
