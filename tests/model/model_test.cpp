#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "model/model.h"

namespace {

const double nan_ = std::numeric_limits<double>::quiet_NaN();

TEST(getConsensusString, choosesLettersByThresholdsAndTies) {
    struct Case {
        Row row;
        const char* letter;
    } cases[] = {
        {{0.25, 0.25, 0.25, 0.25}, "N"},
        {{0.6, 0.3, 0.1, 0.0}, "A"},
        {{0.6, 0.4, 0.0, 0.0}, "M"},      // ratio 1.5 is below 2.0
        {{0.5, 0.5, 0.0, 0.0}, "M"},      // 0.5 is not above 0.5
        {{0.5, 0.25, 0.25, 0.0}, "V"},    // 0.75 is not above 0.75
        {{0.4, 0.3, 0.15, 0.15}, "H"},    // of equal G and T the later column ranks higher
        {{0.6, 0.5, 0.0, 0.0}, ""},       // no letter at all
        {{0.0, 0.0, 0.0, 1.0}, "T"},      // a zero second value passes the ratio
        {{0.0, 0.5, 0.0, 0.5}, "Y"},
        {{0.0, 0.0, 0.5, 0.5}, "K"},
        {{0.3333, 0.3333, 0.3334, 0}, "V"},
        {{nan_, nan_, nan_, nan_}, "N"},
        {{0.45, 0.45, 0.05, 0.05}, "M"},
        {{0.05, 0.45, 0.05, 0.45}, "Y"},
        {{0.6, 0.3, 0.0, 0.0}, "A"},       // exactly 2.0 passes
    };
    for (const Case& c : cases)
        EXPECT_EQ(getConsensusString({c.row}), c.letter)
            << c.row[0] << " " << c.row[1] << " " << c.row[2] << " " << c.row[3];
    EXPECT_EQ(getConsensusString({}), "");
}

TEST(getConsensusString, threeThirdsRowsFromTheConsensusReaderNeedAllThree) {
    // 0.3333 * 3 = 0.9999 > 0.75, and 0.6666 is not: three-base letter.
    EXPECT_EQ(getConsensusString({{0.3333, 0.3333, 0.3333, 0}}), "V");
    EXPECT_EQ(getConsensusString({{0, 0.3333, 0.3333, 0.3333}}), "B");
    EXPECT_EQ(getConsensusString({{0.3333, 0, 0.3333, 0.3333}}), "D");
    EXPECT_EQ(getConsensusString({{0.3333, 0.3333, 0, 0.3333}}), "H");
}

TEST(getRevCompMotif, exchangesOnlyThePairHoldingTheRowMaximum) {
    struct Case {
        Row in, out;
    } cases[] = {
        {{0.1, 0.2, 0.3, 0.4}, {0.4, 0.2, 0.3, 0.1}},
        {{0.4, 0.1, 0.1, 0.4}, {0.4, 0.1, 0.1, 0.4}},
        {{0.3, 0.3, 0.2, 0.2}, {0.2, 0.3, 0.2, 0.3}},
        {{0.1, 0.6, 0.2, 0.1}, {0.1, 0.2, 0.6, 0.1}},
        {{-0.1, -0.2, -0.3, -0.4}, {-0.4, -0.2, -0.3, 0.0}},
        {{0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}},
    };
    for (const Case& c : cases) EXPECT_EQ(getRevCompMotif({c.in}), Matrix{c.out});

    const Row r = getRevCompMotif({{nan_, nan_, nan_, nan_}})[0];
    EXPECT_TRUE(std::isnan(r[0]) && std::isnan(r[1]) && std::isnan(r[2]));
    EXPECT_EQ(r[3], 0.0);
}

TEST(getRevCompMotif, reversesRowOrder) {
    const Matrix m{{1, 0, 0, 0}, {0, 1, 0, 0}, {0.1, 0.2, 0.3, 0.4}};
    EXPECT_EQ(getRevCompMotif(m), (Matrix{{0.4, 0.2, 0.3, 0.1}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
    EXPECT_TRUE(getRevCompMotif({}).empty());
}

TEST(textUtilities, removeSpacesHalvesInnerRunsAndTrimsBlanksOnly) {
    struct Case {
        const char *in, *out;
    } cases[] = {
        {"  a b  ", "a b"}, {"a  b", "a b"},       {"a   b", "a  b"},
        {"a    b", "a  b"}, {"a     b", "a   b"}, {"a \t b", "a \t b"},
        {"", ""},           {"    ", ""},          {"a  \t", "a \t"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        removeSpaces(text);
        EXPECT_EQ(text, c.out) << '"' << c.in << '"';
    }
}

TEST(textUtilities, numberToStringUsesSixSignificantDigits) {
    EXPECT_EQ(numberToString(1234.0), "1234");
    EXPECT_EQ(numberToString(0.5), "0.5");
    EXPECT_EQ(numberToString(0.1234567), "0.123457");
    EXPECT_EQ(numberToString(0.00001), "1e-05");
    EXPECT_EQ(numberToString(1000), "1000");
    EXPECT_EQ(numberToString(9999), "9999");
    EXPECT_EQ(numberToString(1000000), "1e+06");
    EXPECT_EQ(numberToString(1000001), "1e+06");
}

TEST(textUtilities, removeSpecialCharactersKeepsDigitsBlanksAndStops) {
    EXPECT_EQ(removeSpecialCharacters(" 12 -3.5 "), " 12 3.5 ");
    EXPECT_EQ(removeSpecialCharacters("1e-3"), "13");
    EXPECT_EQ(removeSpecialCharacters("[3"), "3");
    EXPECT_EQ(removeSpecialCharacters("abc"), "");
}

TEST(textUtilities, countTokenCountsRunsOfNonWhitespace) {
    EXPECT_EQ(countToken("  ab c\t"), 2);
    EXPECT_EQ(countToken(""), 0);
    EXPECT_EQ(countToken(" \t\r\n"), 0);
}

TEST(textUtilities, datesHaveTheirFixedShapes) {
    const std::string a = getCurrDateTime(), b = getCurrDateTimeFormat();
    ASSERT_EQ(a.size(), 19u);
    EXPECT_EQ(a[2], '-');
    EXPECT_EQ(a[10], ' ');
    EXPECT_EQ(a[13], ':');
    ASSERT_EQ(b.size(), 19u);
    EXPECT_EQ(b[4], '-');
    EXPECT_EQ(b[10], '_');
    EXPECT_EQ(b[13], '-');
    EXPECT_FALSE(getCurrentDirectory().empty());
}

TEST(validators, acceptExactlyTheirCharacterSets) {
    struct Case {
        bool (*check)(const std::string&);
        const char* text;
        bool expected;
    } cases[] = {
        {checkNumeric, "", true},        {checkNumeric, "12", true},
        {checkNumeric, "1.2.3", true},   {checkNumeric, "-1", false},
        {checkNumeric, "1e3", false},    {checkDouble, "", false},
        {checkDouble, "0.5", true},      {checkDouble, ".5", true},
        {checkDouble, "5", false},       {checkDouble, "0.5.0", false},
        {checkDouble, "0,5", false},     {checkNumThreads, "", false},
        {checkNumThreads, "0", false},   {checkNumThreads, "16", true},
        {checkNumThreads, "-2", false},  {checkNumThreads, "1.0", false},
        {checkNumThreads, "99999999999", false},
        {checkSpace, "a b", false},      {checkSpace, "a\tb", true},
        {checkSpace, "", true},          {checkNucleotide, "ACGT-", true},
        {checkNucleotide, "acgt", false}, {checkNucleotide, "ACGN", false},
        {checkIUPAC, "ACGTRYSWKMBDHVN-", true}, {checkIUPAC, "ACGU", false},
        {checkNumericOrSpace, " x", true}, {checkNumericOrSpace, "x1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.check(c.text), c.expected) << '"' << c.text << '"';
}

TEST(validators, wholeNumberValueStopsAtTheFirstStopAndRefusesOverflow) {
    int v = -1;
    EXPECT_TRUE(wholeNumberValue("2.9", v));
    EXPECT_EQ(v, 2);
    EXPECT_TRUE(wholeNumberValue("07", v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(wholeNumberValue(".5", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(wholeNumberValue("2147483647", v));
    EXPECT_FALSE(wholeNumberValue("2147483648", v));
    EXPECT_FALSE(wholeNumberValue("99999999999", v));
}

TEST(validators, isValidPathWantsAnExistingFolder) {
    EXPECT_TRUE(isValidPath("/tmp"));
    EXPECT_TRUE(isValidPath("/tmp/"));
    EXPECT_FALSE(isValidPath("/proc/self/status"));
    EXPECT_FALSE(isValidPath("/no/such/folder"));
}

TEST(normalizeRow, dividesByTheTotalAndEvensOutUnusableTotals) {
    EXPECT_EQ(normalizeRow(2, 5, 1, 0), (Row{0.25, 0.625, 0.125, 0}));
    EXPECT_EQ(normalizeRow(0, 0, 0, 0), (Row{0.25, 0.25, 0.25, 0.25}));
    EXPECT_EQ(normalizeRow(-1, 1, 0, 0), (Row{0.25, 0.25, 0.25, 0.25}));
    const double inf = std::numeric_limits<double>::infinity();
    const double big = std::numeric_limits<double>::max();
    // Totals that are no number, or overflow although every count is finite.
    const Row unusable[] = {{inf, 1, 0, 0}, {big, big, 0, 0}, {1e308, 1e308, 1e308, 1e308},
                            {std::nan(""), 1, 1, 1}};
    for (const Row& v : unusable)
        EXPECT_EQ(normalizeRow(v[0], v[1], v[2], v[3]), (Row{0.25, 0.25, 0.25, 0.25}))
            << v[0] << " " << v[1];
    const Row r = normalizeRow(0.2, 0.3, 0.3, 0.1);
    EXPECT_EQ(r[0], 0.2 / (0.2 + 0.3 + 0.3 + 0.1));
}

}  // namespace

namespace {
TEST(terminalSafe, escapesEveryControlCharacterAndBrokenByteAndLeavesTextAlone) {
    const std::pair<std::string, std::string> cases[] = {
        {"MA0001.1 AGL3 /data/my motifs/", "MA0001.1 AGL3 /data/my motifs/"},
        {"Sox2-\xce\xb2 \xe2\x80\x93 \xf0\x9f\xa7\xac",
         "Sox2-\xce\xb2 \xe2\x80\x93 \xf0\x9f\xa7\xac"},
        {"red\x1b[31m", "red\\x1b[31m"},
        {std::string("nul\0bell\x07", 9), "nul\\x00bell\\x07"},
        {"tab\tcr\rlf\n", "tab\\x09cr\\x0dlf\\x0a"},
        {"del\x7f", "del\\x7f"},
        {"csi\xc2\x9b" "2J", "csi\\xc2\\x9b2J"},             // C1 control, well formed
        {"lone\x9b" "2J", "lone\\x9b2J"},                     // C1 byte on its own
        {"cut \xe2\x80", "cut \\xe2\\x80"},                  // a character cut short
        {"overlong \xc0\xaf", "overlong \\xc0\\xaf"},
        {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(terminalSafe(text), shown) << shown;
}

TEST(htmlEscaped, escapesMarkupAndLeavesOrdinaryNamesAlone) {
    EXPECT_EQ(htmlEscaped("MA0001.1 AGL3"), "MA0001.1 AGL3");
    EXPECT_EQ(htmlEscaped("a<b>&c'd"), "a&lt;b&gt;&amp;c'd");
    EXPECT_EQ(htmlEscaped("it's", true), "it&#39;s");
}
}  // namespace
