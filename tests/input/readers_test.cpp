// Block recognition and the format readers, on small fixtures of every shape.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "input/input.h"
#include "model/model.h"

namespace {

std::vector<ReadMotif> read(const std::string& text, std::int64_t firstID = 1) {
    std::istringstream in(text);
    return readMotifBlocks(in, firstID);
}

struct Expected {
    std::string name;
    Matrix matrix;
    std::string consensus, revCompConsensus;
};

struct ReaderCase {
    const char* what;
    std::string text;
    std::vector<Expected> motifs;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.what; }

std::string caseName(const ::testing::TestParamInfo<ReaderCase>& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name + "_" + std::to_string(info.index);
}

class Readers : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Readers, readEveryMotifOfTheFixture) {
    const ReaderCase& c = GetParam();
    const auto motifs = read(c.text);
    ASSERT_EQ(motifs.size(), c.motifs.size()) << c.what;
    for (std::size_t i = 0; i < motifs.size(); ++i) {
        EXPECT_EQ(motifs[i].motifName, c.motifs[i].name) << c.what;
        ASSERT_EQ(motifs[i].matrix.size(), c.motifs[i].matrix.size()) << c.what;
        for (std::size_t r = 0; r < motifs[i].matrix.size(); ++r)
            for (int col = 0; col < 4; ++col)
                EXPECT_DOUBLE_EQ(motifs[i].matrix[r][col], c.motifs[i].matrix[r][col])
                    << c.what << " row " << r << " col " << col;
        if (!c.motifs[i].consensus.empty()) {
            EXPECT_EQ(getConsensusString(motifs[i].matrix), c.motifs[i].consensus) << c.what;
            EXPECT_EQ(getConsensusString(getRevCompMotif(motifs[i].matrix)),
                      c.motifs[i].revCompConsensus)
                << c.what;
        }
    }
}

const Row even{0.25, 0.25, 0.25, 0.25};

INSTANTIATE_TEST_SUITE_P(
    Shapes, Readers,
    ::testing::Values(
        ReaderCase{"transfac",
                   "DE motifA\nP0 A C G T\n01 2 5 1 0 C\n02 0 0 8 0 G\n03 6 0 2 0\nXX\n",
                   {{"motifA", {{0.25, 0.625, 0.125, 0}, {0, 0, 1, 0}, {0.75, 0, 0.25, 0}}, "", ""}}},
        ReaderCase{"transfac skips seven-token, signed and exponent lines",
                   "DE m\n01 1 1 1 1 A B\n02 -1 1 1 1\n03 1e3 1 1 1\n04 0.2 0.3 0.3 0.1\nXX\n",
                   {{"m", {{0.2 / 0.9, 0.3 / 0.9, 0.3 / 0.9, 0.1 / 0.9}}, "", ""}}},
        ReaderCase{"jaspar, brackets apart or attached",
                   ">MX0001.1 factorA\nA [ 3 0 8 ]\nC [2 9 0]\nG [ 4 0 1 ]\nT [ 1 1 1 ]\n",
                   {{"MX0001.1", {{0.3, 0.2, 0.4, 0.1}, {0, 0.9, 0, 0.1}, {0.8, 0, 0.1, 0.1}}, "", ""}}},
        ReaderCase{"jaspar header without marker loses its first character",
                   "MX0001.1\nA [ 1 ]\nC [ 1 ]\nG [ 1 ]\nT [ 1 ]\n", {{"X0001.1", {even}, "N", "N"}}},
        ReaderCase{"jaspar lines of unequal length use the shortest",
                   ">J\nA [ 1 1 1 ]\nC [ 1 1 ]\nG [ 1 1 1 ]\nT [ 1 1 1 ]\n",
                   {{"J", {even, even}, "", ""}}},
        ReaderCase{"meme section named after its identifier",
                   "----------\nMotif 1 probabilities\n----------\nletter-probability matrix "
                   "width 3\n0.1 0.2 0.3 0.4\n0.70 0.10 0.10 0.10\n2\t0\t1\t1\n",
                   {{"Motif 1", {{0.1, 0.2, 0.3, 0.4}, {0.7, 0.1, 0.1, 0.1}, {0.5, 0, 0.25, 0.25}}, "", ""}}},
        ReaderCase{"raw pssm",
                   ">motifA\n7 1 1 1\nA C G T\n2 1 1 0\n0 0 0 5\n",
                   {{"motifA", {{0.7, 0.1, 0.1, 0.1}, {0.5, 0.25, 0.25, 0}, {0, 0, 0, 1}}, "AVT", "ABT"}}},
        ReaderCase{"horizontal matrix",
                   "5 0 1\n0 4 1\n5 0 1\n0 6 1\n",
                   {{"NA", {{0.5, 0, 0.5, 0}, {0, 0.4, 0, 0.6}, even}, "RYN", "NMK"}}},
        ReaderCase{"vertical matrix",
                   "2 2 0 6\n8 0 2 0\n1 1\n",
                   {{"NA", {{0.2, 0.2, 0, 0.6}, {0.8, 0, 0.2, 0}}, "TA", "TA"}}},
        ReaderCase{"consensus",
                   ">site1\nTGASTCA\n",
                   {{"site1", {{0, 0, 0, 1}, {0, 0, 1, 0}, {1, 0, 0, 0}, {0, 0.5, 0.5, 0}, {0, 0, 0, 1}, {0, 1, 0, 0}, {1, 0, 0, 0}}, "TGASTCA", "TGASTCA"}}},
        ReaderCase{"consensus with N, V and a gap",
                   ">c\nACGTNV-\n",
                   {{"c", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, even, {0.3333, 0.3333, 0.3333, 0}, even}, "ACGTNVN", "NBNACGT"}}},
        ReaderCase{"aligned sequences: gaps are not counted",
                   ">sites\nACGT\nACGA\nAC-T\nTCGT\n",
                   {{"sites", {{0.75, 0, 0, 0.25}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0.25, 0, 0, 0.75}}, "ACGT", "ACGT"}}},
        ReaderCase{"a column of gaps is even, not NaN",
                   ">g\nA-\nA-\n", {{"g", {{1, 0, 0, 0}, even}, "", ""}}},
        ReaderCase{"a zero row is even, not NaN",
                   ">z\n0 0 0 0\n1 0 0 0\n", {{"z", {even, {1, 0, 0, 0}}, "", ""}}},
        ReaderCase{"windows line ends and no final line feed",
                   ">motifA\r\n7 1 1 1\r\n2 1 1 0\r\n0 0 0 5",
                   {{"motifA", {{0.7, 0.1, 0.1, 0.1}, {0.5, 0.25, 0.25, 0}, {0, 0, 0, 1}}, "", ""}}},
        ReaderCase{"a lone name line gives a motif without rows",
                   ">alone\n\n>b\n1 0 0 0\n0 1 0 0\n", {{"alone", {}, "", ""}, {"b", {{1, 0, 0, 0}, {0, 1, 0, 0}}, "", ""}}},
        ReaderCase{"a lone marker gives the empty name",
                   ">\nACGT\n", {{"", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, "ACGT", "ACGT"}}}),
    caseName);

TEST(readMotifBlocks, cutsAtThirtyOneLinesAndLosesTheThirtySecond) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "0.1 0.2 0.3 0.4\n";
    const auto motifs = read(text);
    ASSERT_EQ(motifs.size(), 2u);
    EXPECT_EQ(motifs[0].matrix.size(), 31u);
    EXPECT_EQ(motifs[1].matrix.size(), 8u);
}

TEST(readMotifBlocks, unfitParagraphAbsorbsTheRestOfTheFile) {
    EXPECT_TRUE(read("my motif file\n\n>a\nACGT\n\n>b\n1 0 0 0\n0 1 0 0\n").empty());
}

TEST(readMotifBlocks, countsTheLinesThatWentIntoNoMotif) {
    std::string limit;
    for (int i = 0; i < 40; ++i) limit += "0.1 0.2 0.3 0.4\n";
    struct Case {
        const char* what;
        std::string text;
        std::size_t motifs, unread;
    } cases[] = {
        {"every line read", ">a\nACGT\n\n>b\n1 0 0 0\n0 1 0 0\n", 2, 0},
        {"an unfit first paragraph absorbs the rest",
         "my motif file\n\n>a\nACGT\n\n>b\n1 0 0 0\n0 1 0 0\n", 0, 6},
        {"trailing words after the last motif", ">a\nACGT\n\nthe end of it\nreally\n", 1, 2},
        {"the line lost at the thirty-one-line cut", limit, 2, 1},
        {"blank lines are not counted", "\n\n  \n\t\n", 0, 0},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        std::size_t unread = 99;
        EXPECT_EQ(readMotifBlocks(in, 1, &unread).size(), c.motifs) << c.what;
        EXPECT_EQ(unread, c.unread) << c.what;
    }
}

TEST(unreadNote, saysHowManyLinesWereNotReadAndWhichMotifsHaveNoPositions) {
    data a, b;
    a.motifID = 3;
    a.motifName = "MA1";
    b.motifID = 7;
    b.motifName = "alone";
    EXPECT_EQ(unreadNote("f.txt", 0, {}), "");
    EXPECT_EQ(unreadNote("f.txt", 1, {}),
              "Warning: f.txt: 1 line fits no motif layout and was not read.");
    EXPECT_EQ(unreadNote("f.txt", 12, {&a}),
              "Warning: f.txt: 12 lines fit no motif layout and were not read; a motif came out "
              "without positions: 3 (MA1).");
    EXPECT_EQ(unreadNote("f.txt", 0, {&a, &b}),
              "Warning: f.txt: motifs came out without positions: 3 (MA1), 7 (alone).");
}

TEST(readMotifBlocks, shortTransfacParagraphWaitsForItsCountLines) {
    const auto motifs = read("ID m1\nXX\n\n01 1 0 0 0\n02 0 1 0 0\n03 0 0 1 0\n04 0 0 0 1\nXX\n");
    ASSERT_EQ(motifs.size(), 1u);
    EXPECT_EQ(motifs[0].motifName, "m1");
    EXPECT_EQ(motifs[0].matrix.size(), 4u);
}

TEST(readMotifBlocks, memeNamesFollowTheIdentifierTheyWillGet) {
    const std::string section =
        "---\nMotif x\n---\nletter-probability matrix:\n0.25 0.25 0.25 0.25\n\n";
    const auto motifs = read(section + section, 7);
    ASSERT_EQ(motifs.size(), 2u);
    EXPECT_EQ(motifs[0].motifName, "Motif 7");
    EXPECT_EQ(motifs[1].motifName, "Motif 8");
}

TEST(readMotifBlocks, memeSectionClosedByDashesIsNotRead) {
    EXPECT_TRUE(read("---\nMotif x\n---\nletter-probability matrix:\n0.25 0.25 0.25 0.25\n---\n")
                    .empty());
}

TEST(recognizeBlock, followsTheShapeOrderAndTracksMatrixSeen) {
    auto block = [](std::initializer_list<std::vector<std::string>> lines) { return Block(lines); };
    struct Case {
        const char* what;
        Block block;
        bool seenBefore;
        BlockShape shape;
        bool seenAfter;
    } cases[] = {
        {"empty", {}, true, BlockShape::None, true},
        {"two-token name and five count lines is transfac",
         block({{"m", "d"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"},
                {"1", "2", "3", "4"}, {"1", "2", "3", "4"}}),
         false, BlockShape::Transfac, false},
        {"three-token jaspar header remains",
         block({{">a", "b", "c"}, {"A", "1"}, {"C", "1"}, {"G", "1"}, {"T", "1"}}), false,
         BlockShape::None, false},
        {"lone name line after a horizontal matrix remains", block({{">a"}}), true,
         BlockShape::None, true},
        {"lone name line reads as a raw pssm", block({{">a"}}), false, BlockShape::RawPSSM, false},
        {"name and one four-token line remains", block({{">a"}, {"1", "2", "3", "4"}}), true,
         BlockShape::None, true},
        {"four lines of four numbers is horizontal",
         block({{"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}}),
         false, BlockShape::MatrixH, true},
        {"four numeric lines of unequal counts remain",
         block({{"1", "2", "3", "4"}, {"1", "2", "3"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}}),
         true, BlockShape::None, false},
        {"unequal sequences remain and set matrixSeen",
         block({{">a"}, {"ACGT"}, {"ACG"}}), false, BlockShape::None, true},
        {"lower-case sequences remain and set matrixSeen",
         block({{">a"}, {"acgt"}, {"acgt"}}), false, BlockShape::None, true},
        {"a two-token line among sequences clears matrixSeen",
         block({{">a"}, {"ACGT"}, {"AC", "GT"}}), true, BlockShape::None, false},
        {"raw pssm candidate with a three-token line clears matrixSeen",
         block({{">a"}, {"1", "2", "3", "4"}, {"1", "2", "3"}}), true, BlockShape::None, false},
        {"integer counts pass the numeric scan",
         block({{"10", "0.5"}, {"1", "2"}, {"3", "4"}}), false, BlockShape::MatrixV, false},
        {"a sign fails the numeric scan", block({{"-1", "2"}, {"3", "4"}}), false,
         BlockShape::None, false},
    };
    for (Case& c : cases) {
        bool seen = c.seenBefore;
        EXPECT_EQ(recognizeBlock(c.block, seen), c.shape) << c.what;
        EXPECT_EQ(seen, c.seenAfter) << c.what;
    }
}

}  // namespace
