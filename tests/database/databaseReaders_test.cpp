// The database readers on small fixtures of the three layouts.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "database/databaseReaders.h"
#include "model/model.h"
#include "support/support.h"

namespace {

const DatabaseEntry& entry(const char* key) {
    const DatabaseEntry* e = findDatabase(key);
    EXPECT_NE(e, nullptr) << key << " is not in the catalogue";
    return e ? *e : databaseCatalogue().front();
}

std::vector<data> read(const std::string& text, const char* key) {
    std::istringstream in(text);
    return readDatabaseMotifs(in, entry(key));
}

std::string fixture(const std::string& name) {
    return slurp(fs::path(KELVANOR_SOURCE_DIR) / "tests/database/fixtures" / name);
}

const Row even{0.25, 0.25, 0.25, 0.25};

// An expected annotation left out is the catalogue's fixed text of the case's key.
const std::optional<std::string> fromCatalogue;

struct Expected {
    std::string name;
    std::optional<std::string> annotation;
    std::string dbMotifID;
    Matrix matrix;
};

// Numbering, the dataset and the derived fields hold for every motif of every reader.
void expectMotifs(const std::vector<data>& motifs, const std::vector<Expected>& expected,
                  const char* key, const std::string& what) {
    ASSERT_EQ(motifs.size(), expected.size()) << what;
    for (std::size_t i = 0; i < motifs.size(); ++i) {
        const data& m = motifs[i];
        const Expected& e = expected[i];
        const std::string at = what + ", motif " + std::to_string(i + 1);
        EXPECT_EQ(m.motifID, static_cast<std::int64_t>(i + 1)) << at;
        EXPECT_EQ(m.motifNumber, m.motifID) << at;
        EXPECT_EQ(m.datasetNumber, 1) << at;
        EXPECT_EQ(m.motifName, e.name) << at;
        EXPECT_EQ(m.motifAnnotation, e.annotation.value_or(entry(key).annotation)) << at;
        EXPECT_EQ(m.dbMotifID, e.dbMotifID) << at;
        ASSERT_EQ(m.matrix.size(), e.matrix.size()) << at;
        for (std::size_t r = 0; r < m.matrix.size(); ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_DOUBLE_EQ(m.matrix[r][c], e.matrix[r][c]) << at << " row " << r;
        EXPECT_EQ(m.revCompMatrix, getRevCompMotif(m.matrix)) << at;
        EXPECT_EQ(m.consensus, getConsensusString(m.matrix)) << at;
        EXPECT_EQ(m.revCompConsensus, getConsensusString(m.revCompMatrix)) << at;
    }
}

struct ReaderCase {
    const char* what;
    const char* key;
    std::string text;
    std::vector<Expected> motifs;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.what; }

std::string caseName(const ::testing::TestParamInfo<ReaderCase>& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

class DatabaseReaders : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(DatabaseReaders, readEveryBlockAsOneMotif) {
    const ReaderCase& c = GetParam();
    expectMotifs(read(c.text, c.key), c.motifs, c.key, c.what);
}

const Matrix k3x = {{0.3, 0.2, 0.4, 0.1}, {0, 0.9, 0, 0.1}, {0.8, 0, 0.1, 0.1}};
const std::string kEvenBody = "A 1\nC 1\nG 1\nT 1\n";

INSTANTIATE_TEST_SUITE_P(
    CountLines, DatabaseReaders,
    ::testing::Values(
        ReaderCase{"bracket rows", "jasparVertebrates",
                   ">MA0001.1 AGL3\nA  [ 3  0  8 ]\nC  [ 2  9  0 ]\nG  [ 4  0  1 ]\nT  [ 1  1  1 ]\n",
                   {{"AGL3", fromCatalogue, "MA0001.1", k3x}}},
        ReaderCase{"glued brackets and bare rows read alike", "jasparFungi",
                   ">MA1 x\nA [3 0 8]\nC 2 9 0\nG [4 0 1 ]\n1 1 1\n",
                   {{"x", fromCatalogue, "MA1", k3x}}},
        ReaderCase{"tab only separators", "jasparPlants",
                   ">MA1\tx\nA\t[\t3\t0\t8\t]\nC\t[\t2\t9\t0\t]\nG\t[\t4\t0\t1\t]\nT\t[\t1\t1\t1\t]\n",
                   {{"x", fromCatalogue, "MA1", k3x}}},
        ReaderCase{"rows marked with a colon", "uniprobeYeast",
                   ">UP1 x third\nA: 3 0 8\nC: 2 9 0\nG:[4 0 1]\nT:\t1 1 1\n",
                   {{"x", fromCatalogue, "UP1", k3x}}},
        ReaderCase{"exponent counts read whole", "jasparInsects",
                   ">MA1 x\nA [ 1e-3 2.5e+01 ]\nC [ 0 25 ]\nG [ 0 0 ]\nT [ 0 0 ]\n",
                   {{"x", fromCatalogue, "MA1", {{1, 0, 0, 0}, {0.5, 0.5, 0, 0}}}}},
        ReaderCase{"a negative count empties its motif and the next keeps its number",
                   "jasparVertebrates",
                   ">MA1 neg\nA [ 1 -2 ]\nC [ 1 1 ]\nG [ 1 1 ]\nT [ 1 1 ]\n\n"
                   ">MA2 ok\nA [ 4 ]\nC [ 16 ]\nG [ 0 ]\nT [ 0 ]\n",
                   {{"neg", fromCatalogue, "MA1", {}},
                    {"ok", fromCatalogue, "MA2", {{0.2, 0.8, 0, 0}}}}},
        ReaderCase{"a token that is no number empties its motif", "jasparVertebrates",
                   ">MA1 x\nA [ 1 1,5 ]\nC [ 1 1 ]\nG [ 1 1 ]\nT [ 1 1 ]\n\n"
                   ">MA2 y\nA [ 1 1.5.2 ]\nC [ 1 1 ]\nG [ 1 1 ]\nT [ 1 1 ]\n",
                   {{"x", fromCatalogue, "MA1", {}}, {"y", fromCatalogue, "MA2", {}}}},
        ReaderCase{"a zero total gives the even row", "jasparVertebrates",
                   ">MA1 x\nA [ 0 2 ]\nC [ 0 2 ]\nG [ 0 0 ]\nT [ 0 0 ]\n",
                   {{"x", fromCatalogue, "MA1", {even, {0.5, 0.5, 0, 0}}}}},
        ReaderCase{"an overflowing count gives the even row", "jasparVertebrates",
                   ">MA1 x\nA [ 1e400 1e308 ]\nC [ 1 1e308 ]\nG [ 1 0 ]\nT [ 1 0 ]\n",
                   {{"x", fromCatalogue, "MA1", {even, even}}}},
        ReaderCase{"count lines of unequal length give the fewest positions", "jasparVertebrates",
                   ">MA1 x\nA [ 1 1 1 ]\nC [ 1 1 ]\nG [ 1 1 1 1 ]\nT [ 1 1 1 ]\nA [ 9 9 9 ]\n",
                   {{"x", fromCatalogue, "MA1", {even, even}}}},
        ReaderCase{"too few count lines and a lone header give motifs without positions",
                   "jasparVertebrates",
                   ">MA1 x\nA [ 1 ]\nC [ 1 ]\nG [ 1 ]\n\n>MA2 y\n\n>MA3 z\n" + kEvenBody,
                   {{"x", fromCatalogue, "MA1", {}}, {"y", fromCatalogue, "MA2", {}},
                    {"z", fromCatalogue, "MA3", {even}}}},
        ReaderCase{"all collections take header token three and missing tokens are empty",
                   "jasparAll",
                   ">MA1 x Vertebrata more\n" + kEvenBody + "\n>MA2 y\n" + kEvenBody + "\n>\n" +
                       kEvenBody,
                   {{"x", "Vertebrata", "MA1", {even}}, {"y", "", "MA2", {even}},
                    {"", "", "", {even}}}},
        ReaderCase{"a fixed collection ignores header token three", "jasparNematodes",
                   ">MA1 x Vertebrata\n" + kEvenBody, {{"x", fromCatalogue, "MA1", {even}}}},
        ReaderCase{"a blank behind the marker leaves the identifier empty", "jasparUrochordates",
                   "> MA1 x\n" + kEvenBody, {{"MA1", fromCatalogue, "", {even}}}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    PositionLines, DatabaseReaders,
    ::testing::Values(
        ReaderCase{"short first and third lines leave their texts empty", "transfac",
                   "ALONE\nXX\nAC\n01 1 1 1 1\n\nX\n",
                   {{"ALONE", "", "", {even}}, {"X", "", "", {}}}},
        ReaderCase{"position lines of five or six tokens only", "transfac",
                   "N S\nXX\nAC M1\n01 1 1 1 1 N x\n02 1 1 1\n03\t1\t2\t2\t0\n04 nan 1 1 1\n",
                   {{"N", "S", "M1", {{0.2, 0.4, 0.4, 0}}}}},
        ReaderCase{"a first line shaped like a position serves twice", "transfac",
                   "N 4 16 0 0\nXX\nAC M1\n",
                   {{"N", "4", "M1", {{0.2, 0.8, 0, 0}}}}}),
    caseName);

// The layouts as their files come: every variant of line ends and blank lines reads alike.
struct FileCase {
    const char* what;
    const char* key;
    std::string text;
    std::vector<Expected> motifs;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }

class DatabaseFiles : public ::testing::TestWithParam<FileCase> {};

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::string withoutFinalLineFeed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// Blank lines of blanks and tabs, several in a row, between every two blocks.
std::string widelySpaced(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\n') out += " \t \n\t\n";
    }
    return out;
}

TEST_P(DatabaseFiles, readAlikeWhateverTheLineEnds) {
    const FileCase& c = GetParam();
    ASSERT_FALSE(c.text.empty()) << c.what << ": fixture missing";
    const std::pair<const char*, std::string> variants[] = {
        {"as written", c.text},
        {"CRLF", crlf(c.text)},
        {"no final line feed", withoutFinalLineFeed(c.text)},
        {"CRLF, no final line end", withoutFinalLineFeed(crlf(c.text))},
        {"several blank lines between blocks", widelySpaced(c.text)},
    };
    for (const auto& [variant, text] : variants)
        expectMotifs(read(text, c.key), c.motifs, c.key, std::string(c.what) + ", " + variant);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DatabaseFiles,
    ::testing::Values(
        FileCase{"transfac", "transfac", fixture("transfac.txt"),
                 {{"AHR", "Drosophila", "M00001",
                   {{0.2, 0.4, 0.4, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, even}},
                  {"NOSITES", "Homo", "M00002", {}},
                  {"NEGATIVE", "Mus", "M00003", {}},
                  {"LAST", "Saccharomyces", "M00004", {{0.2, 0.8, 0, 0}, {0, 0, 0, 1}}}}},
        FileCase{"uniprobe", "uniprobeMouse", fixture("uniprobe.txt"),
                 {{"Zfp740", fromCatalogue, "UP00001",
                   {{0.1, 0.2, 0.3, 0.4}, {0.2, 0.3, 0.4, 0.1}, {0.3, 0.4, 0.1, 0.2},
                    {0.4, 0.1, 0.2, 0.3}}},
                  {"Gata3", fromCatalogue, "UP00002_long_identifier", {}},
                  {"Sox5", fromCatalogue, "UP00003", {{1, 0, 0, 0}, even, even}}}},
        FileCase{"jaspar", "jasparAll",
                 ">MA0001.1\tAGL3\nA  [ 3  0  8 ]\nC  [ 2  9  0 ]\nG  [ 4  0  1 ]\n"
                 "T  [ 1  1  1 ]\n\n>MA0002.1\tRUNX1\tVertebrata\nA  [ 4 ]\nC  [16 ]\n"
                 "G  [ 0 ]\nT  [ 0 ]\n",
                 {{"AGL3", "", "MA0001.1", k3x},
                  {"RUNX1", "Vertebrata", "MA0002.1", {{0.2, 0.8, 0, 0}}}}}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.what); });

TEST(readDatabaseMotifs, theReverseComplementExchangesOnlyThePairOfTheMaximum) {
    const auto motifs = read(">MA1 x\nA 4 0\nC 16 0\nG 0 1\nT 0 3\n", "jasparVertebrates");
    ASSERT_EQ(motifs.size(), 1u);
    EXPECT_EQ(motifs[0].revCompMatrix, (Matrix{{0.75, 0, 0.25, 0}, {0.2, 0, 0.8, 0}}));
    EXPECT_EQ(motifs[0].consensus, "CT");
    EXPECT_EQ(motifs[0].revCompConsensus, "AG");
}

TEST(splitDatabaseBlocks, blankFilesGiveNoBlocks) {
    for (const char* text : {"", "\n", "\n\n \t\n\r\n", "   "}) {
        std::istringstream in(text);
        EXPECT_TRUE(splitDatabaseBlocks(in).empty()) << '"' << text << '"';
    }
}

TEST(countValue, readsWholeTokensOnly) {
    struct Case {
        const char* token;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12", 12},        {"0.5", 0.5},   {".5", 0.5},   {"5.", 5},       {"+3", 3},
        {"-2", -2},        {"1e-3", 1e-3}, {"2.5e+01", 25}, {"4E2", 400},  {"1e", std::nullopt},
        {"e5", std::nullopt}, {".", std::nullopt}, {"1.5.2", std::nullopt}, {"1,5", std::nullopt},
        {"12abc", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt},
        {"0x10", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt}, {"1e+", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(countValue(c.token), c.value) << c.token;
    EXPECT_EQ(countValue("1e400"), HUGE_VAL);
}

TEST(countValue, givesPlainDecimalsTheValueOfAtof) {
    for (const char* token : {"0.1", "0.3", "94", "0.333333333333333314829616256247",
                              "123456789.987654321", "0.000001", "7.0000000000000001"})
        EXPECT_EQ(countValue(token), std::atof(token)) << token;
}

}  // namespace
