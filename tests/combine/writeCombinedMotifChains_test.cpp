// The combined-motif report bodies, byte for byte, and the stream state they leave.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "align/alignSupport.h"
#include "combine/combine.h"

namespace {

struct Step {
    std::int64_t id;
    const char *name1, *name2, *format1, *format2, *direction;
    std::int32_t position, overlap;
    const char *bases1, *bases2, *merged, *flag, *line1, *line2;
};

combinedMatrices step(const Step& s) {
    return {.motifID1 = s.id,
            .motifID2 = s.id + 1,
            .motifName1 = s.name1,
            .motifName2 = s.name2,
            .matchFormat1 = s.format1,
            .matchFormat2 = s.format2,
            .matchFlag = "Y",
            .direction = s.direction,
            .position = s.position,
            .overlapLength = s.overlap,
            .similarityScore = 0.125,
            .matrix1 = oneHot(s.bases1),
            .matrix2 = oneHot(s.bases2),
            .combinedMatrix = oneHot(s.merged),
            .mergedFlag = s.flag,
            .alignmentLine1 = s.line1,
            .alignmentLine2 = s.line2};
}

const char* const kOrig = "Original Motif";
const char* const kRev = "Reverse Complement";

// A merged chain with a refused step, a chain without a merge, an empty chain, and a
// chain merged only after a refused first record.
MergeChains fixture() {
    return {
        {step({7, "Alpha", "Beta", kOrig, kRev, "Forward", 2, 5, "ACGTAC", "CGTACG", "ACGTACG",
               "Y", "ACGTAC-", "-CGTACG"}),
         step({7, "Alpha", "Gamma", kRev, kOrig, "Backward", 3, 4, "TTGCA", "GCATGG", "GCATGG",
               "N", "--TTGCA", "GCATGG-"})},
        {step({8, "Delta", "Alpha", kOrig, kOrig, "Forward", 1, 4, "ACGT", "ACGTA", "ACGTA", "N",
               "ACGT-", "ACGTA"})},
        {},
        {step({9, "Epsilon", "Alpha", kOrig, kOrig, "Forward", 1, 4, "ACGT", "ACGT", "ACGT", "N",
               "ACGT", "ACGT"}),
         step({1, "Combined Motif", "Zeta", kRev, kRev, "Backward", 1, 4, "ACGTT", "CGTT",
               "ACGTT", "Y", "ACGTT", "-CGTT"})},
    };
}

std::string padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

std::string tableRow(const std::vector<std::string>& cells) {
    constexpr std::size_t kWidths[] = {19, 19, 23, 23, 19, 19, 19};
    std::string row;
    for (std::size_t c = 0; c < cells.size(); ++c) row += padded(cells[c], kWidths[c]);
    return row + "\n";
}

const std::string kRule = std::string(196, '-') + "\n";

std::string stepLines(const char* direction, int position, int overlap, const char* line1,
                      const char* line2) {
    return "\nDirection: " + std::string(direction) + "\t\tPosition #: " +
           std::to_string(position) + "\t\tOverlap #: " + std::to_string(overlap) +
           "\nAlignment:\n" + line1 + "\n" + line2 + "\n" + kRule;
}

std::string expectedReport(MergeMode mode) {
    const CombinedReportLook& look = combinedReportLook(mode);
    const auto banner = [&](const char* id) {
        return std::string(static_cast<std::size_t>(look.starsBefore), '*') +
               std::string(look.textBefore) + id + std::string(look.textAfter) +
               std::string(static_cast<std::size_t>(look.starsAfter), '*') + "\n";
    };
    const std::string heading =
        tableRow({"1st motif name", "2nd motif name", "1st format", "2nd format", "1st motif",
                  "2nd motif", "Combined motif"});
    return banner("7") + "\n" + kRule + heading + kRule +
           tableRow({"Alpha", "Beta", kOrig, kRev, "ACGTAC", "CGTACG", "ACGTACG"}) +
           stepLines("Forward", 2, 5, "ACGTAC-", "-CGTACG") +
           stepLines("Backward", 3, 4, "--TTGCA", "GCATGG-") + "\n" +
           "\n" +  // the chain without a merge
           "\n" +  // the empty chain
           banner("9") + "\n" + kRule + heading + kRule +
           stepLines("Forward", 1, 4, "ACGT", "ACGT") +
           tableRow({"Combined Motif", "Zeta", kRev, kRev, "ACGTT", "CGTT", "ACGTT"}) +
           stepLines("Backward", 1, 4, "ACGTT", "-CGTT") + "\n";
}

TEST(writeCombinedMotifChains, writesEachReportByteForByte) {
    const struct {
        MergeMode mode;
        void (*writer)(std::ostream&, const MergeChains&);
        const char* banner;
    } reports[] = {
        {MergeMode::Global, writeCombinedChainsGlobal,
         "************************************************************ Combined Motifs for Top "
         "Global Significant Motif ID 7 and Its Best Matches "
         "***********************************************************"},
        {MergeMode::GlobalAndLocal, writeCombinedChainsGlobalAndLocal,
         "******************************************************* Combined Motifs for Top Global "
         "and Local Significant Motif ID 7 and Its Best Matches "
         "******************************************************"},
        {MergeMode::BestMatches, writeCombinedChainsBestMatches,
         "*************************************************************** Combined Motifs for "
         "Top Best Match Motif ID 7 and Its Best Matches "
         "**************************************************************"},
    };
    for (const auto& r : reports) {
        std::ostringstream out;
        r.writer(out, fixture());
        const std::string text = out.str();
        EXPECT_EQ(text, expectedReport(r.mode));
        // The banner without its identifier: 194 characters, 192 for best matches.
        const std::string firstLine = text.substr(0, text.find('\n'));
        EXPECT_EQ(firstLine, r.banner);
        EXPECT_EQ(firstLine.size() - 1, r.mode == MergeMode::BestMatches ? 192u : 194u);
        std::istringstream lines(text);
        std::string line;
        for (int k = 0; k < 4; ++k) std::getline(lines, line);
        EXPECT_EQ(line.size(), 141u);  // the heading, trailing blanks included
    }
}

TEST(writeCombinedMotifChains, everyRecordOfEveryChainSizesTheColumns) {
    // A long name and a long matrix, both in a chain that is never printed.
    MergeChains chains = fixture();
    chains[1][0].motifName2 = "ABCDEFGHIJKLMNOPQRST";
    chains[1][0].combinedMatrix = oneHot("ACGTACGTACGTACGT");
    std::ostringstream out;
    writeCombinedChainsGlobal(out, chains);
    std::istringstream lines(out.str());
    std::string heading, row;
    for (int k = 0; k < 4; ++k) std::getline(lines, heading);
    std::getline(lines, row);
    std::getline(lines, row);
    EXPECT_EQ(heading.size(), 141u + 6 + 2);
    EXPECT_EQ(row, padded("Alpha", 19) + padded("Beta", 25) + padded(kOrig, 23) +
                       padded(kRev, 23) + padded("ACGTAC", 19) + padded("CGTACG", 19) +
                       padded("ACGTACG", 21));
}

TEST(writeCombinedMotifChains, writesTheSameOnAFreshStreamAndOnOneInFixedNotation) {
    std::ostringstream fresh, listed;
    listed << std::fixed << std::setprecision(6);
    writeCombinedChainsBestMatches(fresh, fixture());
    writeCombinedChainsBestMatches(listed, fixture());
    EXPECT_EQ(fresh.str(), listed.str());
    // Left adjustment stays; the number format is the one each stream came with, so a
    // footer written after it keeps the document's notation.
    EXPECT_TRUE(fresh.flags() & std::ios::left);
    EXPECT_FALSE(fresh.flags() & std::ios::floatfield);
    EXPECT_EQ(listed.flags() & std::ios::floatfield, std::ios::fixed);
    EXPECT_EQ(listed.precision(), 6);
    EXPECT_EQ(fresh.fill(), ' ');
}

TEST(writeCombinedMotifChains, anEmptyListWritesNothing) {
    std::ostringstream out;
    writeCombinedChainsGlobalAndLocal(out, {});
    EXPECT_EQ(out.str(), "");
}

}  // namespace
