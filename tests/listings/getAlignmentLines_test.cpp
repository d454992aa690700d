// The alignment drawing: strands, offset side, padding and its limits.
#include <gtest/gtest.h>

#include "listings/listings.h"

namespace {

data drawnMotif(std::string consensus, std::string revCompConsensus) {
    data m;
    m.consensus = std::move(consensus);
    m.revCompConsensus = std::move(revCompConsensus);
    return m;
}

constexpr Strand O = Strand::Original;
constexpr Strand R = Strand::RevComp;
constexpr Direction F = Direction::Forward;
constexpr Direction B = Direction::Backward;
constexpr TopPlace TopFirst = TopPlace::First;
constexpr TopPlace TopSecond = TopPlace::Second;
constexpr bool PairOrder = true;       // matchFlag "Y"
constexpr bool MirroredOrder = false;  // empty matchFlag

struct Case {
    const char* what;
    Direction direction;
    std::int32_t position, overlap;
    bool matchFlag;
    Strand format1, format2;
    TopPlace place;
    const char *topCons, *topRevComp, *partnerCons, *partnerRevComp;
    const char *line1, *line2;
};

TEST(getAlignmentLines, drawsEachMotifOnItsOwnStrandAndSide) {
    const Case cases[] = {
        // Top motif first (every record of the input comparison lists).
        {"inside, fwd", F, 2, 4, PairOrder, O, O, TopFirst, "GTAC", "GTAC", "ACGTACGT", "ACGTACGT",
         "ACGTACGT", "-GTAC---"},
        {"inside, bwd", B, 2, 4, PairOrder, O, O, TopFirst, "GTAC", "GTAC", "ACGTACGT", "ACGTACGT",
         "ACGTACGT", "---GTAC-"},
        {"overhang, fwd", F, 3, 4, PairOrder, O, O, TopFirst, "TTGCAA", "", "ACGTAC", "",
         "ACGTAC--", "--TTGCAA"},
        {"overhang, bwd", B, 3, 4, PairOrder, O, O, TopFirst, "TTGCAA", "", "ACGTAC", "",
         "--ACGTAC", "TTGCAA--"},
        {"no lead, fwd", F, 1, 4, PairOrder, O, O, TopFirst, "GGACGTCC", "", "ACGT", "", "ACGT----",
         "GGACGTCC"},
        {"no lead, bwd", B, 1, 4, PairOrder, O, O, TopFirst, "GGACGTCC", "", "ACGT", "", "----ACGT",
         "GGACGTCC"},
        {"equal, whole", F, 1, 4, PairOrder, O, O, TopFirst, "TGCA", "", "ACGT", "", "ACGT",
         "TGCA"},
        {"top inside the partner, fwd", F, 3, 4, PairOrder, O, O, TopFirst, "GTAC", "", "ACGTAC",
         "", "ACGTAC", "--GTAC"},
        {"top overhangs, fwd", F, 3, 2, PairOrder, O, O, TopFirst, "TTGCA", "", "ACGT", "",
         "ACGT---", "--TTGCA"},
        {"top inside, bwd", B, 2, 3, PairOrder, O, O, TopFirst, "GTA", "", "ACGTAC", "", "ACGTAC",
         "--GTA-"},
        // Strands: matchFormat1 is the lower-numbered motif's, which in a mirrored record is
        // motifID2, the partner here.
        {"pair order, partner rc", F, 3, 4, PairOrder, O, R, TopFirst, "TTGCAA", "TTGCAA", "ACGTAC",
         "GTACGT", "GTACGT--", "--TTGCAA"},
        {"mirrored, partner rc", F, 3, 4, MirroredOrder, R, O, TopFirst, "TTGCAA", "TTGCAA",
         "ACGTAC", "GTACGT", "GTACGT--", "--TTGCAA"},
        {"mirrored, top rc", F, 3, 4, MirroredOrder, O, R, TopFirst, "TTGCAA", "AACCGG", "ACGTAC",
         "GTACGT", "ACGTAC--", "--AACCGG"},
        {"mirrored, both rc", B, 2, 4, MirroredOrder, R, R, TopFirst, "GTAC", "CCAA", "ACGTACGT",
         "TTTTGGGG", "TTTTGGGG", "---CCAA-"},
        // Partner first (database records with the database motif first): the offset
        // belongs to the partner's line.
        {"partner first, fwd", F, 2, 4, MirroredOrder, O, O, TopSecond, "ACGTACGT", "", "GTAC", "",
         "-GTAC---", "ACGTACGT"},
        {"partner first, bwd", B, 2, 4, MirroredOrder, O, O, TopSecond, "ACGTACGT", "", "GTAC", "",
         "---GTAC-", "ACGTACGT"},
        {"partner first, partner overhangs, fwd", F, 3, 4, MirroredOrder, O, O, TopSecond, "ACGTAC",
         "", "TTGCAA", "", "--TTGCAA", "ACGTAC--"},
        {"partner first, partner overhangs, bwd", B, 3, 4, MirroredOrder, O, O, TopSecond, "ACGTAC",
         "", "TTGCAA", "", "TTGCAA--", "--ACGTAC"},
        {"partner first, top rc: the top is motifID2", F, 1, 4, MirroredOrder, R, O, TopSecond,
         "ACGT", "TTTT", "GGGG", "CCCC", "GGGG", "TTTT"},
        {"partner first, partner rc", F, 1, 4, MirroredOrder, O, R, TopSecond, "ACGT", "TTTT",
         "GGGG", "CCCC", "CCCC", "ACGT"},
        {"top first, top is motifID1 of a pair-order record", F, 1, 4, PairOrder, R, O, TopFirst,
         "ACGT", "TTTT", "GGGG", "CCCC", "GGGG", "TTTT"},
        // Pads at zero and below: nothing is cut, no dash is added.
        {"consensus shorter than the overlap", F, 1, 6, PairOrder, O, O, TopFirst, "ACGT", "", "AC",
         "", "AC", "ACGT"},
        {"negative span, bwd", B, 1, 100, PairOrder, O, O, TopFirst, "ACGT", "", "AC", "", "AC",
         "ACGT"},
        {"lead past the span", F, 5, 4, PairOrder, O, O, TopFirst, "ACGT", "", "ACGT", "", "ACGT",
         "----ACGT"},
        {"lead past the span, partner first", B, 5, 4, MirroredOrder, O, O, TopSecond, "ACGT", "",
         "ACGT", "", "ACGT----", "ACGT"},
        {"position 0 and below give no lead", F, 0, 4, PairOrder, O, O, TopFirst, "ACGT", "",
         "ACGT", "", "ACGT", "ACGT"},
        {"position far below zero", B, -2147483647, 4, PairOrder, O, O, TopFirst, "ACGT", "",
         "ACGT", "", "ACGT", "ACGT"},
        {"empty consensus strings", F, 1, 4, PairOrder, O, O, TopFirst, "", "", "", "", "", ""},
        // Pads count the consensus length even when the reverse strand is drawn.
        {"reverse consensus of another length", F, 1, 4, PairOrder, O, R, TopFirst, "ACGTAC", "",
         "ACGT", "ACG", "ACG--", "ACGTAC"},
    };
    for (const Case& c : cases) {
        dataCombinedScore r{.motifID1 = 1, .motifID2 = 2, .position = c.position};
        r.overlapLength = c.overlap;
        r.direction = c.direction;
        r.matchFlag = c.matchFlag;
        r.matchFormat1 = c.format1;
        r.matchFormat2 = c.format2;
        const AlignmentLines lines =
            getAlignmentLines(r, drawnMotif(c.topCons, c.topRevComp),
                              drawnMotif(c.partnerCons, c.partnerRevComp), c.place);
        EXPECT_EQ(lines.partner, c.line1) << c.what;
        EXPECT_EQ(lines.top, c.line2) << c.what;
    }
}

TEST(getAlignmentLines, strandOfEachMotifFollowsTheScansPairOrder) {
    dataCombinedScore r;
    r.matchFormat1 = Strand::Original;
    r.matchFormat2 = Strand::RevComp;
    r.matchFlag = true;
    EXPECT_EQ(strandOfMotif1(r), Strand::Original);
    EXPECT_EQ(strandOfMotif2(r), Strand::RevComp);
    r.matchFlag = false;
    EXPECT_EQ(strandOfMotif1(r), Strand::RevComp);
    EXPECT_EQ(strandOfMotif2(r), Strand::Original);
}

}  // namespace
