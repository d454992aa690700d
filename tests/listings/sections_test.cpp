// Comparison report sections: headings, title blocks and listing order, byte for byte.
#include <gtest/gtest.h>

#include <iomanip>
#include <regex>

#include "compare/compare.h"
#include "listings/listings.h"
#include "model/model.h"
#include "listingSupport.h"
#include "support/support.h"

namespace {

data motif(std::int64_t id, std::int32_t dataset, std::string name, Matrix matrix) {
    return completedMotif(id, dataset, std::move(name), std::move(matrix));
}

dataCombinedScore match(std::int32_t id1, std::int32_t id2, double key) {
    dataCombinedScore r{.motifID1 = id1, .motifID2 = id2, .position = 1};
    r.overlapLength = 4;
    r.matchFlag = id1 < id2;
    r.similarityScore = key;
    return r;
}

// A run with its report documents in a scratch folder, three motifs in two files.
struct SectionRun {
    Workspace ws;
    RunState s;
    explicit SectionRun(const std::string& type = "All", const std::string& format = "All",
                        std::int32_t files = 2) {
        placeDocuments(s, ws);
        s.outputFileType = *outputTypeNamed(type);
        s.outputFileFormat = *outputFormatNamed(format);
        s.numFile = files;
        s.numTopMotif = 1;
        s.DBName = nullptr;
        s.motifCluster = false;
        s.combinedMotifFlag = false;
        s.Datasets = {motif(1, 1, "alpha",
                            {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}),
                      motif(2, 2, "be<ta>",
                            {{0.7, 0.1, 0.1, 0.1},
                             {0.1, 0.7, 0.1, 0.1},
                             {0.25, 0.25, 0.25, 0.25},
                             {0.1, 0.1, 0.1, 0.7}}),
                      motif(3, 2, "gamma",
                            {{0, 0, 1, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}})};
        s.motifNameLength = 6;
    }
    std::string document(ReportDoc d) const { return slurp(s.documents[d].path); }
    bool exists(ReportDoc d) const { return fs::exists(s.documents[d].path); }
};

// What a listing writer appends for the list, on a stream in the state a title block of
// the document leaves: taken from the writer itself in a twin run.
std::string listingOf(ReportDoc d, const SectionRun& like, const bestMatchList& list,
                      std::int32_t listKind, std::int64_t id) {
    SectionRun twin;
    twin.s.Datasets = like.s.Datasets;
    twin.s.motifNameLength = like.s.motifNameLength;
    std::ofstream& stream = twin.s.documents[d].stream;
    if (d == ReportDoc::Results || d == ReportDoc::GlobalMatchingText)
        stream << std::left << std::fixed << std::setprecision(6);
    switch (d) {
    case ReportDoc::Results: WriteTopResultsList(twin.s, list, listKind, id); break;
    case ReportDoc::ResultsWithoutMotif:
        WriteTopResultsListWithoutMotif(twin.s, list, listKind, id);
        break;
    case ReportDoc::ResultsHTML: WriteTopResultsListHTML(twin.s, list, listKind, id); break;
    case ReportDoc::GlobalMatchingText: WriteTopResultsGlobalMatchingList(twin.s, list, id); break;
    case ReportDoc::GlobalMatchingHTML:
        WriteTopResultsGlobalMatchingListHTML(twin.s, list, id);
        break;
    default: break;
    }
    const std::string text = twin.document(d);
    EXPECT_FALSE(text.empty());
    return text;
}

const std::string kStars196 = std::string(196, '*');

const std::string kMatrixBlock = fixture(R"(Dataset #: 2		Motif ID: 2		Motif name: be<ta>

Original motif
0.700000    0.100000    0.100000    0.100000    |
0.100000    0.700000    0.100000    0.100000    |
0.250000    0.250000    0.250000    0.250000    |
0.100000    0.100000    0.100000    0.700000    |
Consensus sequence: ACNT

@LABEL@
0.700000    0.100000    0.100000    0.100000    |
0.250000    0.250000    0.250000    0.250000    |
0.100000    0.100000    0.700000    0.100000    |
0.100000    0.100000    0.100000    0.700000    |
Consensus sequence: ANGT


)");

std::string matrixBlock(const char* label, int k, const char* words) {
    std::string block = std::regex_replace(kMatrixBlock, std::regex("@LABEL@"), label);
    return block + std::string(k, '*') + words + "2 (Highest to Lowest) " + std::string(k, '*') +
           "\n\n";
}

std::string consensusBlock(int blankLines, int k, const char* words) {
    return "Dataset #: 2\t\tMotif ID: 2\t\tMotif name: be<ta>\t\tConsensus sequence (original "
           "motif): ACNT\t\tConsensus sequence (reverse complement motif): ANGT\n" +
           std::string(blankLines, '\n') + std::string(k, '*') + words +
           "2 (Highest to Lowest) " + std::string(k, '*') + "\n\n";
}

std::string htmlBlock(const char* tableTag, const char* separator, bool closesParagraph,
                      const char* words) {
    return std::string(tableTag) +
           "\n<col width= '170'>\n<col width= '150'>\n<col width= '600'>\n<tr>\n"
           "<td><b>Dataset #: 2</b></td>\n<td><b>Motif ID: 2</b></td>\n"
           "<td><b>Motif name: be&lt;ta&gt;</b></td>\n</tr>\n</table>\n" +
           separator +
           "\n<table class='sansserif' width='1000' border = '0' cellSpacing = '1' "
           "cellPadding = '1' >\n<col width= '500'>\n<col width= '500'>\n<tr>\n"
           "<td><font size = '2'>Original motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus "
           "sequence: ACNT</font></td>\n\n"
           "<td><font size = '2'>Reverse complement motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
           "Consensus sequence: ANGT</font></td>\n\n"
           "</tr>\n<tr>\n<td></td>\n<td></td>\n</tr>\n<tr>\n"
           "<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M2.jpeg'name = 'Image2' "
           "align = 'left' width = '350' height = '100' border = '0'> </td>\n"
           "<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M2RevComp.jpeg'name = "
           "'ImageRevComp2' align = 'left' width = '350' height = '100' border = '0'> </td>\n"
           "</tr>\n</table>\n" +
           (closesParagraph ? "</p>\n" : "") + "<p class='sansserif'>\n" + words +
           "2 (Highest to Lowest) </b>\n</p>\n";
}

const char* const kGlobalTable =
    "<table class='sansserif' width='920' border = '0' cellSpacing = '1' cellPadding = '1'>";
const char* const kGlobalAndLocalTable =
    "<table class='sansserif' width='920' border = '0' cellSpacing = '1' cellPadding = '1' >";
const char* const kEachMotifTable =
    "<table class='sansserif' width='900' border = '0' cellSpacing = '1' cellPadding = '1' >";

const std::string kGlobalHeadingText =
    "\n" + std::string(66, '*') +
    " Top 1 Significant Motifs - Global Matching (Highest to Lowest) " + std::string(66, '*') +
    "\n\n";
const std::string kGlobalAndLocalHeadingText =
    "\n" + kStars196 + "\n\n" + std::string(64, '*') +
    " Significant Motifs - Global and Local Matching (Highest to Lowest) " +
    std::string(64, '*') + "\n\n";
const std::string kEachMotifHeadingText = "\n" + kStars196 + "\n\n" + std::string(70, '*') +
                                          " Best Matches for Each Motif (Highest to Lowest) " +
                                          std::string(77, '*') + "\n\n";
const std::string kGlobalHeadingHTML =
    "<div class = 'boxed'>\n<h3 class='sansserif'> Top 1 Significant Motifs - Global Matching "
    "(Highest to Lowest) </h3>\n";
const std::string kGlobalAndLocalHeadingHTML =
    "</div>\n<br>\n<div class = 'boxed'>\n<h3 class='sansserif'> Significant Motifs - Global "
    "and Local Matching (Highest to Lowest) </h3>\n";
const std::string kEachMotifHeadingHTML =
    "</div>\n<br>\n<div class = 'boxed'>\n<h3 class='sansserif'> Best Matches for Each Motif "
    "(Highest to Lowest) </h3>\n";

TEST(reportSections, everySectionOfEveryComparisonDocumentByteForByte) {
    SectionRun run;
    RunState& s = run.s;
    // Global matching: motif 3 ranks first but has no cross-file match; only one motif
    // is listed (numTopMotif 1), so motif 1 never appears.
    const std::vector<bestMatchList> global = {{match(1, 2, 0.25)}, {match(2, 1, 0.125)}, {}};
    s.globalMatchingScoreResultList = {{3, 0.0}, {2, 0.125}, {1, 0.25}};
    // All matches: only motif 2 has a list.
    const std::vector<bestMatchList> all = {{}, {match(2, 3, 0.5), match(2, 1, 0.75)}, {}};
    s.commonBestScoreResultList = {{1, 0.0}, {3, 0.0}, {2, 1.25}};

    writeGlobalMatchingSections(s, global);
    writeAllMatchesSections(s, all);

    const char* gWords = " Best Matches for Top Significant Motif ID ";
    const char* glWords = " Best Matches for Significant Motif ID ";
    const char* eWords = " Best Matches for Motif ID ";
    const bestMatchList& g2 = global[1];
    const bestMatchList& a2 = all[1];
    using D = ReportDoc;

    EXPECT_EQ(run.document(D::Results),
              kGlobalHeadingText + matrixBlock("Reverse complement motif", 63, gWords) +
                  listingOf(D::Results, run, g2, 2, 2) + kGlobalAndLocalHeadingText +
                  matrixBlock("Reverse complement motif", 67, glWords) +
                  listingOf(D::Results, run, a2, 2, 2) + kEachMotifHeadingText +
                  matrixBlock("Reserve complement motif", 72, eWords) +
                  listingOf(D::Results, run, a2, 3, 2));
    EXPECT_EQ(run.document(D::ResultsWithoutMotif),
              kGlobalHeadingText + consensusBlock(2, 63, gWords) +
                  listingOf(D::ResultsWithoutMotif, run, g2, 2, 2) +
                  kGlobalAndLocalHeadingText + consensusBlock(3, 62, glWords) +
                  listingOf(D::ResultsWithoutMotif, run, a2, 2, 2) + kEachMotifHeadingText +
                  consensusBlock(3, 72, eWords) +
                  listingOf(D::ResultsWithoutMotif, run, a2, 3, 2));
    EXPECT_EQ(run.document(D::GlobalMatchingText),
              kGlobalHeadingText + matrixBlock("Reverse complement motif", 63, gWords) +
                  listingOf(D::GlobalMatchingText, run, g2, 2, 2));
    EXPECT_EQ(run.document(D::ResultsHTML),
              kGlobalHeadingHTML +
                  htmlBlock(kGlobalTable, "<br>", false,
                            "<b> Best Matches for Top Significant Motif ID ") +
                  listingOf(D::ResultsHTML, run, g2, 2, 2) + kGlobalAndLocalHeadingHTML +
                  htmlBlock(kGlobalAndLocalTable, "<p>", true,
                            "<b> Best Matches for Significant Motif ID ") +
                  listingOf(D::ResultsHTML, run, a2, 2, 2) + kEachMotifHeadingHTML +
                  htmlBlock(kEachMotifTable, "<p>", true, "<b> Best Matches for Motif ID ") +
                  listingOf(D::ResultsHTML, run, a2, 3, 2));
    EXPECT_EQ(run.document(D::GlobalMatchingHTML),
              kGlobalHeadingHTML +
                  htmlBlock(kGlobalTable, "<br>", false,
                            "<b> Best Matches for Top Significant Motif ID ") +
                  listingOf(D::GlobalMatchingHTML, run, g2, 2, 2));
}

TEST(reportSections, oneFileNoticesGoWhereTheGlobalSectionWouldGo) {
    const std::string text = "\n" + kStars196 + "\n\n" +
                             std::string(66, '*') +
                             " Top 1 Significant Motifs - Global Matching (Highest to Lowest) " +
                             std::string(66, '*') +
                             "\n\nThere is no global matching for 1 motif file.\n\n";
    const std::string html = kGlobalHeadingHTML +
                             "<p class='sansserif'><font size = '2'> There is no global "
                             "matching for 1 motif file. </font></p>\n</div>\n";
    using D = ReportDoc;
    {
        SectionRun run("All", "All", 1);
        writeOneFileNotices(run.s);
        for (D d : {D::Results, D::ResultsWithoutMotif, D::GlobalMatchingText})
            EXPECT_EQ(run.document(d), text) << static_cast<int>(d);
        for (D d : {D::ResultsHTML, D::GlobalMatchingHTML})
            EXPECT_EQ(run.document(d), html) << static_cast<int>(d);
    }
    {
        SectionRun run("Global-Only", "Text", 1);
        writeOneFileNotices(run.s);
        EXPECT_EQ(run.document(D::GlobalMatchingText), text);
        for (D d : {D::Results, D::ResultsWithoutMotif, D::ResultsHTML, D::GlobalMatchingHTML})
            EXPECT_FALSE(run.exists(d)) << static_cast<int>(d);
    }
    {
        // PDF writes exactly what HTML writes.
        SectionRun run("Global-Only", "PDF", 1);
        writeOneFileNotices(run.s);
        EXPECT_EQ(run.document(D::GlobalMatchingHTML), html);
        EXPECT_FALSE(run.exists(D::GlobalMatchingText));
    }
}

// The motif identifiers of the title blocks of a text document, in order.
std::vector<int> listedMotifs(const std::string& document) {
    std::vector<int> ids;
    static const std::regex title("\nDataset #: \\d+\\t\\tMotif ID: (\\d+)");
    for (std::sregex_iterator it(document.begin(), document.end(), title), end; it != end; ++it)
        ids.push_back(std::stoi((*it)[1]));
    return ids;
}

TEST(reportSections, rankedSectionsSkipEmptyListsAndStopAtTheTopCount) {
    SectionRun run("All", "Text");
    RunState& s = run.s;
    s.Datasets.push_back(
        motif(4, 1, "delta", {{1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}}));
    s.numTopMotif = 2;
    const std::vector<bestMatchList> global = {{match(1, 2, 0.5)}, {}, {match(3, 4, 0.25)},
                                               {match(4, 1, 0.0)}};
    s.globalMatchingScoreResultList = {{2, 0.0}, {4, 0.0}, {3, 0.25}, {1, 0.5}};
    const std::vector<bestMatchList> all = {{match(1, 2, 0.5)}, {}, {match(3, 4, 0.25)},
                                            {match(4, 1, 0.0)}};
    s.commonBestScoreResultList = {{2, 0.0}, {4, 0.0}, {3, 0.25}, {1, 0.5}};
    writeGlobalMatchingSections(s, global);
    writeAllMatchesSections(s, all);

    EXPECT_EQ(listedMotifs(run.document(ReportDoc::GlobalMatchingText)), (std::vector<int>{4, 3}));
    // Global (4, 3), global and local (4, 3), each motif in identifier order (1, 3, 4).
    EXPECT_EQ(listedMotifs(run.document(ReportDoc::Results)),
              (std::vector<int>{4, 3, 4, 3, 1, 3, 4}));
    const std::string heading = run.document(ReportDoc::GlobalMatchingText).substr(0, 140);
    EXPECT_NE(heading.find(" Top 2 Significant Motifs"), std::string::npos);
}

TEST(reportSections, aDocumentThatCannotBeOpenedEndsTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // earlier tests leave OpenMP threads
    SectionRun run("Global-Only", "Text");
    run.s.console = &std::cerr;
    run.s.documents[ReportDoc::GlobalMatchingText].path = (run.ws.root / "missing" / "x.txt").string();
    const bestMatchList list = {match(2, 1, 0.1)};
    // The reopening before a title block is checked like the section's first open.
    EXPECT_EXIT(writeListedMotif(run.s, ComparisonSection::GlobalMatching,
                                 ReportDoc::GlobalMatchingText, list, 2),
                testing::ExitedWithCode(1), "Invalid output path or output filename\\.");
    run.s.globalMatchingScoreResultList = {{2, 0.1}};
    EXPECT_EXIT(writeGlobalMatchingSections(run.s, {{}, list, {}}), testing::ExitedWithCode(1),
                "Invalid output path or output filename\\.");
}

}  // namespace
