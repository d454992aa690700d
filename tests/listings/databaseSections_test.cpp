// Database report sections: headings, the one-file notice, title blocks, motif order.
#include <gtest/gtest.h>

#include <sstream>

#include "listingSupport.h"
#include "listings/listings.h"

namespace {

std::string stars(std::size_t n) { return std::string(n, '*'); }

const std::string kBanner =
    stars(70) + " Best Matches in Database for Each Motif (Highest to Lowest) " + stars(65);

// Input motifs 1 to 3 in two files; a database of one motif.
struct DatabaseSectionRun : ListingRun {
    explicit DatabaseSectionRun(const char* type = "All", const char* format = "All",
                                std::int32_t files = 2) {
        s.outputFileType = *outputTypeNamed(type);
        s.outputFileFormat = *outputFormatNamed(format);
        s.numFile = files;
        s.DBName = findDatabase("jasparFungi");
        add(inputMotif(1, 1, "alpha", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
        add(inputMotif(2, 2, "be<ta>", {{0, 0, 1, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}}));
        add(inputMotif(3, 2, "gamma", {{0, 0, 0, 1}, {0, 0, 0, 1}, {1, 0, 0, 0}, {0, 1, 0, 0}}));
        data d = inputMotif(1, 1, "CAD1", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
        d.dbMotifID = "MA0279.1";
        d.motifAnnotation = "Fungi";
        s.DatabaseDatasets = {d};
    }
};

// Input motif m against the database motif, straight.
bestMatchList matched(std::int32_t m) {
    dataCombinedScore r{.motifID1 = m, .motifID2 = 1, .position = 1};
    r.overlapLength = 4;
    r.matchFlag = true;
    return {r};
}

TEST(databaseSections, oneInputFileGivesTheGlobalDocumentsTheirNoticeOnly) {
    DatabaseSectionRun run("Global-Only", "All", 1);
    writeDatabaseSections(run.s, ComparisonSection::DatabaseGlobalMatching, {{}, {}, {}});
    EXPECT_EQ(run.document(ReportDoc::DatabaseGlobalMatchingText),
              kBanner + "\n\nThere is no global matching for 1 motif file.\n\n");
    EXPECT_EQ(run.document(ReportDoc::DatabaseGlobalMatchingHTML),
              "</div>\n<div class = 'boxed'>\n<h3 class='sansserif'> Best Matches in Database "
              "for Each Motif (Highest to Lowest) </h3>\n<p class='sansserif'><font size = '2'> "
              "There is no global matching for 1 motif file. </font></p>\n");
    // Global-Only: the documents of every input motif are not there to write to.
    writeDatabaseSections(run.s, ComparisonSection::DatabaseEachMotif, {{}, matched(2), {}});
    EXPECT_FALSE(run.exists(ReportDoc::DatabaseMatching));
    EXPECT_FALSE(run.exists(ReportDoc::DatabaseMatchingHTML));
}

TEST(databaseSections, motifsComeInIdentifierOrderEachWithItsTitleBlock) {
    DatabaseSectionRun run("All", "Text");
    writeDatabaseSections(run.s, ComparisonSection::DatabaseEachMotif,
                          {matched(1), {}, matched(3)});
    const auto text = linesOf(run.document(ReportDoc::DatabaseMatching));
    EXPECT_EQ(text[0], kBanner);
    EXPECT_EQ(text[2], "Dataset #: 1\t\tMotif ID: 1\t\tMotif name: alpha");
    EXPECT_EQ(text[11], "Reserve complement motif");
    EXPECT_EQ(text[19], stars(72) + " Best Matches for Motif ID 1 (Highest to Lowest) " + stars(72));
    EXPECT_EQ(text[21].substr(0, 8), "Motif ID");
    std::vector<std::string> titles;
    for (const std::string& line : text)
        if (line.starts_with("Dataset #: ")) titles.push_back(line.substr(0, 25));
    EXPECT_EQ(titles, (std::vector<std::string>{"Dataset #: 1\t\tMotif ID: 1",
                                                "Dataset #: 2\t\tMotif ID: 3"}));
    EXPECT_FALSE(run.exists(ReportDoc::DatabaseMatchingHTML));
    EXPECT_FALSE(run.exists(ReportDoc::DatabaseGlobalMatchingText));
}

// The consensus title block closes its heading with one star more when every format is
// asked for; the text document's does not.
TEST(databaseSections, theConsensusTitleBlockClosesWithSeventyThreeStarsUnderFormatAll) {
    for (const char* format : {"Text", "All"}) {
        DatabaseSectionRun run("All", format);
        writeDatabaseSections(run.s, ComparisonSection::DatabaseEachMotif, {{}, matched(2), {}});
        const std::size_t closing = std::string(format) == "All" ? 73 : 72;
        EXPECT_EQ(run.document(ReportDoc::DatabaseMatchingWithoutMotif).substr(0, 400),
                  (kBanner + "\n\nDataset #: 2\t\tMotif ID: 2\t\tMotif name: be<ta>\t\t"
                             "Consensus sequence (original motif): GGAC\t\t"
                             "Consensus sequence (reverse complement motif): GTCC\n\n\n\n" +
                   stars(72) + " Best Matches for Motif ID 2 (Highest to Lowest) " +
                   stars(closing) + "\n\nMotif ID")
                      .substr(0, 400))
            << format;
        EXPECT_EQ(linesOf(run.document(ReportDoc::DatabaseMatching))[19],
                  stars(72) + " Best Matches for Motif ID 2 (Highest to Lowest) " + stars(72));
    }
}

TEST(databaseSections, theHtmlTitleBlockShowsTheInputMotifInTheWideTable) {
    DatabaseSectionRun run("Global-Only", "HTML");
    writeDatabaseSections(run.s, ComparisonSection::DatabaseGlobalMatching, {{}, matched(2), {}});
    const std::string html = run.document(ReportDoc::DatabaseGlobalMatchingHTML);
    const std::string titleBlock = R"(</div>
<div class = 'boxed'>
<h3 class='sansserif'> Best Matches in Database for Each Motif (Highest to Lowest) </h3>
<table class='sansserif' width='900' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '170'>
<col width= '150'>
<col width= '600'>
<tr>
<td><b>Dataset #: 2</b></td>
<td><b>Motif ID: 2</b></td>
<td><b>Motif name: be&lt;ta&gt;</b></td>
</tr>
</table>
<p>
<table class='sansserif' width='1200' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '600'>
<col width= '600'>
<tr>
<td><font size = '2'>Original motif</font></td>

<td><font size = '2'>Reverse complement motif</font></td>

</tr>
<tr>
<td><font size = '2'>Consensus sequence: GGAC</font></td>

<td><font size = '2'>Consensus sequence: GTCC</font></td>

</tr>
<tr>
<td></td>
<td></td>
</tr>
<tr>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M2.jpeg'name = 'Image2' align = 'left' width = '350' height = '100' border = '0'> </td>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M2RevComp.jpeg'name = 'ImageRevComp2' align = 'left' width = '350' height = '100' border = '0'> </td>
</tr>
</table>
</p>
<p class='sansserif'>
<b> Best Matches for Motif ID 2 (Highest to Lowest) </b>
</p>
)";
    EXPECT_EQ(html.substr(0, titleBlock.size()), titleBlock);
    // Then the listing: the database motif's block, its logos under "D".
    EXPECT_NE(html.find("J_2024-05-06_4321_D1.jpeg", titleBlock.size()), std::string::npos);
    EXPECT_FALSE(run.exists(ReportDoc::DatabaseGlobalMatchingText));
}

TEST(databaseSectionsDeathTest, theReopeningBeforeATitleBlockIsChecked) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DatabaseSectionRun run("All", "Text");
    run.s.console = &std::cerr;
    writeDatabaseSections(run.s, ComparisonSection::DatabaseEachMotif, {{}, {}, {}});
    run.s.documents[ReportDoc::DatabaseMatching].path = (run.ws.root / "gone" / "x.txt").string();
    EXPECT_EXIT(writeListedMotif(run.s, ComparisonSection::DatabaseEachMotif,
                                 ReportDoc::DatabaseMatching, matched(2), 2),
                testing::ExitedWithCode(1), "^Invalid output path or output filename\\.$");
}

}  // namespace
