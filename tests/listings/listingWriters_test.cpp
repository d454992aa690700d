// The five comparison listing writers: blocks byte for byte, family agreement, gates,
// number formats on the documents' lasting stream state, and the open failure.
#include <gtest/gtest.h>

#include <cstring>
#include <iomanip>
#include <sstream>

#include "listingSupport.h"
#include "listings/listings.h"

namespace {

constexpr Strand O = Strand::Original;
constexpr Strand R = Strand::RevComp;

// Three input motifs in two files; the longest name has 7 characters. Motif 2 is the top
// motif; it matched motif 1 in a mirrored backward record (motif 1 is the scan's first
// motif, so matchFormat1 is motif 1's strand) and motif 3 in a forward pair-order record.
struct Fixture : ListingRun {
    bestMatchList list;
    Fixture() {
        add(inputMotif(1, 1, "a<b&c>",
                       {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 0, 0, 1}}));
        add(inputMotif(2, 2, "beta",
                       {{0.7, 0.1, 0.1, 0.1},
                        {0.1, 0.7, 0.1, 0.1},
                        {0.25, 0.25, 0.25, 0.25},
                        {0.1, 0.1, 0.1, 0.7}}));
        add(inputMotif(
            3, 2, "gamma-3",
            {{0, 0, 1, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
        list = {record(2, 1, Direction::Backward, 2, 4, false, R, O, 0.1234567),
                record(2, 3, Direction::Forward, 3, 4, true, O, R, 0.5)};
    }
    // The state the motif's title block leaves on a text document's stream.
    void titleBlockWritten(ReportDoc d) {
        stream(d) << std::left << std::fixed << std::setprecision(6);
    }
};

const char* const kRule =
    "-----------------------------------------------------------------------------------------"
    "-----------------------------------------------------------------------------------------"
    "------------------";

const std::string kTextBlocks = fixture(
    std::string(
        R"(Dataset #      Motif ID       Motif name       Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
1              1              a<b&c>           Reverse Complement                      Original Motif                          Backward       2              4              0.123457       |

Original motif
1.000000    0.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
0.000000    0.000000    0.000000    1.000000    |
Consensus sequence: ACGTT

Reverse complement motif
1.000000    0.000000    0.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
Consensus sequence: AACGT

Alignment:
AACGT
ACNT-

)") +
    kRule + R"(
Dataset #      Motif ID       Motif name       Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
2              3              gamma-3          Original Motif                          Reverse Complement                      Forward        3              4              0.500000       |

Original motif
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
Consensus sequence: GGACGT

Reverse complement motif
1.000000    0.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
Consensus sequence: ACGTCC

Alignment:
ACGTCC
--ACNT

)" + kRule +
    "\n");

const std::string kHtmlBlock =
    R"(<table class='sansserif' width='600' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '300'>
<col width= '300'>
<tr>
<td><font size = '2'>Dataset #:</font></td>
<td><font size = '2'>1</font></td>
</tr>
<tr>
<td><font size = '2'>Motif ID:</font></td>
<td><font size = '2'>1</font></td>
</tr>
<tr>
<td><font size = '2'>Motif name:</font></td>
<td><font size = '2'>a&lt;b&amp;c&gt;</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of first motif:</font></td>
<td><font size = '2'>Reverse Complement</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of second motif:</font></td>
<td><font size = '2'>Original Motif</font></td>
</tr>
<tr>
<td><font size = '2'>Direction:</font></td>
<td><font size = '2'>Backward</font></td>
</tr>
<tr>
<td><font size = '2'>Position number:</font></td>
<td><font size = '2'>2</font></td>
</tr>
<tr>
<td><font size = '2'>Number of overlap:</font></td>
<td><font size = '2'>4</font></td>
</tr>
<tr>
<td><font size = '2'>Similarity score:</font></td>
<td><font size = '2'>0.123457</font></td>
</tr>
</table>
<br>
<font face='Arial' size = '2'>Alignment:</font>
<br>
<font face = 'Courier New'>AACGT</font>
<br>
<font face = 'Courier New'>ACNT-</font>
<p>
<table class='sansserif' width='1000' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '500'>
<col width= '500'>
<tr>
<td><font size = '2'>Original motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus sequence: ACGTT</font></td>

<td><font size = '2'>Reverse complement motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus sequence: AACGT</font></td>

</tr>
<tr>
<td></td>
<td></td>
</tr>
<tr>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M1.jpeg'name = 'Image1' align = 'left' width = '350' height = '100' border = '0'> </td>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_M1RevComp.jpeg'name = 'ImageRevComp1' align = 'left' width = '350' height = '100' border = '0'> </td>
</tr>
</table>
</p>
<p>
<hr>
</p>
)";

const std::string kWithoutMotifBlock = fixture(
    std::string(
        R"(Dataset #      Motif ID       Motif name       Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
1              1              a<b&c>           Reverse Complement                      Original Motif                          Backward       2              4              0.0833333      |

Consensus sequence (original motif): ACGTT
Consensus sequence (reverse complement motif): AACGT

Alignment:
AACGT
ACNT-

)") +
    kRule + "\n");

TEST(listingWriters, globalMatchingTextBlocksAreByteExact) {
    Fixture f;
    f.titleBlockWritten(ReportDoc::GlobalMatchingText);
    WriteTopResultsGlobalMatchingList(f.s, f.list, 2);
    EXPECT_EQ(f.document(ReportDoc::GlobalMatchingText), kTextBlocks);
    EXPECT_FALSE(f.stream(ReportDoc::GlobalMatchingText).is_open());
}

TEST(listingWriters, globalMatchingHtmlBlockIsByteExactWithEscapedName) {
    Fixture f;
    WriteTopResultsGlobalMatchingListHTML(f.s, {f.list[0]}, 2);
    const std::string html = f.document(ReportDoc::GlobalMatchingHTML);
    EXPECT_EQ(html, kHtmlBlock);
    EXPECT_EQ(linesOf(html).size(), 46u + 23u);
    EXPECT_FALSE(f.stream(ReportDoc::GlobalMatchingHTML).is_open());
}

TEST(listingWriters, withoutMotifBlockGivesConsensusStringsInDefaultNotation) {
    Fixture f;
    f.stream(ReportDoc::ResultsWithoutMotif) << std::left;  // all its header leaves
    bestMatchList one{f.list[0]};
    one[0].similarityScore = 1.0 / 12;
    WriteTopResultsListWithoutMotif(f.s, one, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::ResultsWithoutMotif), kWithoutMotifBlock);
}

TEST(listingWriters, blocksAppendAfterWhatTheDocumentHolds) {
    Fixture f;
    std::ofstream(f.s.documents[ReportDoc::ResultsHTML].path) << "title block\n";
    WriteTopResultsListHTML(f.s, f.list, 2, 2);
    const std::vector<std::string> lines = linesOf(f.document(ReportDoc::ResultsHTML));
    ASSERT_EQ(lines.size(), 1u + 2 * (46 + 23));
    EXPECT_EQ(lines[0], "title block");
    EXPECT_EQ(lines[1].rfind("<table class='sansserif' width='600'", 0), 0u);
    EXPECT_EQ(lines[69], "</p>");
    EXPECT_EQ(lines[70].rfind("<table class='sansserif' width='600'", 0), 0u);
}

TEST(listingWriters, familyMembersWriteTheSameBlocks) {
    Fixture f;
    for (ReportDoc d : {ReportDoc::GlobalMatchingText, ReportDoc::Results}) f.titleBlockWritten(d);
    WriteTopResultsGlobalMatchingList(f.s, f.list, 2);
    WriteTopResultsList(f.s, f.list, 2, 2);
    WriteTopResultsList(f.s, f.list, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::Results), f.document(ReportDoc::GlobalMatchingText) +
                                                  f.document(ReportDoc::GlobalMatchingText));

    WriteTopResultsListWithoutMotif(f.s, f.list, 2, 2);
    const std::string kind2 = f.document(ReportDoc::ResultsWithoutMotif);
    WriteTopResultsListWithoutMotif(f.s, f.list, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::ResultsWithoutMotif), kind2 + kind2);

    // The all-matches HTML report differs only in its position and overlap cells.
    WriteTopResultsGlobalMatchingListHTML(f.s, f.list, 2);
    WriteTopResultsListHTML(f.s, f.list, 3, 2);
    const auto global = linesOf(f.document(ReportDoc::GlobalMatchingHTML));
    const auto all = linesOf(f.document(ReportDoc::ResultsHTML));
    ASSERT_EQ(global.size(), all.size());
    std::vector<std::string> differing;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] != global[i]) {
            ASSERT_GT(all[i].size(), 5u);
            EXPECT_EQ(global[i], all[i].substr(0, all[i].size() - 5) + "</font></td>");
            differing.push_back(all[i]);
        }
    EXPECT_EQ(differing, (std::vector<std::string>{
                             "<td><font size = '2'>2</td>", "<td><font size = '2'>4</td>",
                             "<td><font size = '2'>3</td>", "<td><font size = '2'>4</td>"}));
    WriteTopResultsListHTML(f.s, f.list, 2, 2);
    const std::string html = f.document(ReportDoc::ResultsHTML);
    EXPECT_EQ(html.substr(0, html.size() / 2), html.substr(html.size() / 2));
}

TEST(listingWriters, writeNothingOutsideKindsTwoAndThreeOrWithoutTopMotif) {
    struct Case {
        std::int32_t kind;
        std::int64_t top;
    } cases[] = {{1, 2}, {4, 2}, {0, 2}, {-2, 2}, {2, 0}, {3, 0}, {2, -1}, {3, -5}, {1, 0}};
    for (const Case& c : cases) {
        Fixture f;
        for (ReportDoc d : {ReportDoc::Results, ReportDoc::ResultsWithoutMotif})
            std::ofstream(f.s.documents[d].path) << "before\n";
        WriteTopResultsList(f.s, f.list, c.kind, c.top);
        WriteTopResultsListWithoutMotif(f.s, f.list, c.kind, c.top);
        WriteTopResultsListHTML(f.s, f.list, c.kind, c.top);
        EXPECT_EQ(f.document(ReportDoc::Results), "before\n") << c.kind << " " << c.top;
        EXPECT_EQ(f.document(ReportDoc::ResultsWithoutMotif), "before\n") << c.kind << " " << c.top;
        EXPECT_TRUE(f.exists(ReportDoc::ResultsHTML));  // opened all the same
        EXPECT_EQ(f.document(ReportDoc::ResultsHTML), "");
        EXPECT_EQ(f.stream(ReportDoc::Results).flags(), std::ios::dec | std::ios::skipws);
        EXPECT_EQ(f.stream(ReportDoc::Results).precision(), 6);
    }
}

TEST(listingWriters, emptyListCreatesTheDocumentAndWritesNothing) {
    Fixture f;
    WriteTopResultsGlobalMatchingList(f.s, {}, 2);
    WriteTopResultsGlobalMatchingListHTML(f.s, {}, 2);
    WriteTopResultsList(f.s, {}, 2, 2);
    WriteTopResultsListWithoutMotif(f.s, {}, 3, 2);
    WriteTopResultsListHTML(f.s, {}, 3, 2);
    for (ReportDoc d :
         {ReportDoc::GlobalMatchingText, ReportDoc::GlobalMatchingHTML, ReportDoc::Results,
          ReportDoc::ResultsWithoutMotif, ReportDoc::ResultsHTML}) {
        EXPECT_TRUE(f.exists(d));
        EXPECT_EQ(f.document(d), "");
        EXPECT_FALSE(f.stream(d).is_open());
    }
}

// The text documents keep fixed notation with six decimals once a matrix is written, so
// every later number (the footer's run time too) has six decimals; the writers must not
// undo that, nor set a notation where the reports have none.
TEST(listingWriters, textDocumentsKeepTheFixedFormatAndOthersKeepTheDefault) {
    struct Case {
        double score;
        const char *fixed, *general;
    } cases[] = {{0.25, "0.250000       ", "0.25"},
                 {1, "1.000000       ", "1"},
                 {0, "0.000000       ", "0"},
                 {12.5, "12.500000      ", "12.5"},
                 {0.1234567, "0.123457       ", "0.123457"},
                 {0.00001, "0.000010       ", "1e-05"}};
    for (const Case& c : cases) {
        Fixture f;
        f.list.resize(1);
        f.list[0].similarityScore = c.score;
        for (ReportDoc d : {ReportDoc::GlobalMatchingText, ReportDoc::Results})
            f.titleBlockWritten(d);
        WriteTopResultsGlobalMatchingList(f.s, f.list, 2);
        WriteTopResultsList(f.s, f.list, 3, 2);
        WriteTopResultsListWithoutMotif(f.s, f.list, 3, 2);
        WriteTopResultsGlobalMatchingListHTML(f.s, f.list, 2);
        WriteTopResultsListHTML(f.s, f.list, 3, 2);
        for (ReportDoc d : {ReportDoc::GlobalMatchingText, ReportDoc::Results}) {
            EXPECT_EQ(linesOf(f.document(d))[1].substr(165 + f.s.motifNameLength), c.fixed);
            std::ofstream& out = f.stream(d);
            EXPECT_EQ(out.flags() & std::ios::floatfield, std::ios::fixed);
            EXPECT_EQ(out.flags() & std::ios::adjustfield, std::ios::left);
            EXPECT_EQ(out.precision(), 6);
        }
        const std::string general =
            std::string(c.general) + std::string(15 - std::strlen(c.general), ' ');
        EXPECT_EQ(linesOf(f.document(ReportDoc::ResultsWithoutMotif))[1].substr(
                      165 + f.s.motifNameLength),
                  general);
        EXPECT_EQ(f.stream(ReportDoc::ResultsWithoutMotif).flags() & std::ios::floatfield,
                  std::ios::fmtflags{});
        for (ReportDoc d : {ReportDoc::GlobalMatchingHTML, ReportDoc::ResultsHTML}) {
            EXPECT_EQ(linesOf(f.document(d))[37],
                      "<td><font size = '2'>" + std::string(c.general) + "</font></td>");
            EXPECT_EQ(f.stream(d).flags(), std::ios::dec | std::ios::skipws);
            EXPECT_EQ(f.stream(d).precision(), 6);
        }
    }
}

TEST(listingWriters, aRecordWithTheTopMotifSecondShowsItsFirstMotif) {
    Fixture f;
    // Top motif 3 is the record's second motif: motif 2 is shown, and drawn shifted.
    WriteTopResultsListWithoutMotif(f.s, {record(2, 3, Direction::Forward, 3, 4, true, O, O, 0.5)},
                                    3, 3);
    const auto lines = linesOf(f.document(ReportDoc::ResultsWithoutMotif));
    EXPECT_EQ(lines[1].substr(0, 34), "2              2              beta");
    EXPECT_EQ(lines[3], "Consensus sequence (original motif): ACNT");
    EXPECT_EQ(lines[7], "--ACNT");
    EXPECT_EQ(lines[8], "GGACGT");
}

TEST(listingWriters, recordsNamingNoStoredMotifAreSkipped) {
    Fixture f;
    bestMatchList list{record(2, 9, Direction::Forward, 1, 4, true, O, O, 0.5), f.list[1]};
    WriteTopResultsListHTML(f.s, list, 2, 2);
    WriteTopResultsGlobalMatchingList(f.s, f.list, 0);
    EXPECT_EQ(linesOf(f.document(ReportDoc::ResultsHTML)).size(), 46u + 23u);
    EXPECT_EQ(f.document(ReportDoc::GlobalMatchingText), "");
}

TEST(listingWritersDeathTest, anUnopenableDocumentEndsTheRun) {
    using Writer = void (*)(RunState&);
    const Writer writers[] = {
        [](RunState& s) { WriteTopResultsGlobalMatchingList(s, {}, 1); },
        [](RunState& s) { WriteTopResultsGlobalMatchingListHTML(s, {}, 1); },
        [](RunState& s) { WriteTopResultsList(s, {}, 2, 1); },
        [](RunState& s) { WriteTopResultsListWithoutMotif(s, {}, 0, 0); },
        [](RunState& s) { WriteTopResultsListHTML(s, {}, 3, 1); },
    };
    for (Writer write : writers) {
        Fixture f;
        f.s.console = &std::cerr;
        for (int d = 1; d <= kReportDocCount; ++d)
            f.s.documents[static_cast<ReportDoc>(d)].path =
                f.s.outputPath + "missing/" + defaultDocumentName(static_cast<ReportDoc>(d));
        EXPECT_EXIT(write(f.s), testing::ExitedWithCode(1),
                    "^Invalid output path or output filename\\.$");
    }
}

}  // namespace
