// The five database listing writers: blocks byte for byte on both sides of a record, the
// per-database labels and links, family agreement, gates and the open failure.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "listingSupport.h"
#include "listings/listings.h"
#include "listings/listingTemplates.h"

namespace {

constexpr Strand O = Strand::Original;
constexpr Strand R = Strand::RevComp;

data databaseMotif(std::int64_t id, std::string name, std::string annotation, std::string dbID,
                   Matrix matrix) {
    data m = completedMotif(id, 1, std::move(name), std::move(matrix));
    m.motifAnnotation = std::move(annotation);
    m.dbMotifID = std::move(dbID);
    return m;
}

// Input motifs 1 and 2 (the top motif, ACGTT); database motifs 1 (GGAC) and 2 (TTATCA).
// The list: input first with mixed strands; database motif 1 first, backward; database
// motif 2 first although it carries the top motif's number.
struct Fixture : ListingRun {
    bestMatchList list;
    explicit Fixture(const char* database = "transfac") {
        s.DBName = findDatabase(database);
        add(inputMotif(1, 1, "alpha", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}));
        add(inputMotif(2, 2, "beta",
                       {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 0, 0, 1}}));
        s.DatabaseDatasets = {
            databaseMotif(1, "so<x>", "H&s", "T00'1",
                          {{0, 0, 1, 0}, {0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}}),
            databaseMotif(2, "GATA-long-name", "Mus", "M00002",
                          {{0, 0, 0, 1}, {0, 0, 0, 1}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 0},
                           {0.7, 0.1, 0.1, 0.1}})};
        list = {record(2, 2, Direction::Forward, 2, 5, true, O, R, 0),
                record(1, 2, Direction::Backward, 2, 4, false, O, R, 0.1234567),
                record(2, 2, Direction::Forward, 2, 4, false, R, O, 0.5)};
    }
    void titleBlockWritten(ReportDoc d) {
        stream(d) << std::left << std::fixed << std::setprecision(6);
    }
};

const char* const kRule =
    "-----------------------------------------------------------------------------------------"
    "-----------------------------------------------------------------------------------------"
    "------------------";

const std::string kTextBlocks = fixture(
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
M00002         GATA-long-name Original Motif                          Reverse Complement                      Forward        2              5              0.000000       |

Species: Mus

Original motif
0.000000    0.000000    0.000000    1.000000    |
0.000000    0.000000    0.000000    1.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.700000    0.100000    0.100000    0.100000    |
Consensus sequence: TTATCA

Reverse complement motif
0.100000    0.100000    0.100000    0.700000    |
0.000000    0.000000    1.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
1.000000    0.000000    0.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
Consensus sequence: TGATAA

Alignment:
TGATAA
-ACGTT

)") +
    kRule + "\n" +
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
T00'1          so<x>          Original Motif                          Reverse Complement                      Backward       2              4              0.123457       |

Species: H&s

Original motif
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    1.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
Consensus sequence: GGAC

Reverse complement motif
0.000000    0.000000    1.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.000000    1.000000    0.000000    0.000000    |
Consensus sequence: GTCC

Alignment:
GTCC-
ACGTT

)") +
    kRule + "\n" +
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
M00002         GATA-long-name Reverse Complement                      Original Motif                          Forward        2              4              0.500000       |

Species: Mus

Original motif
0.000000    0.000000    0.000000    1.000000    |
0.000000    0.000000    0.000000    1.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
0.000000    1.000000    0.000000    0.000000    |
0.700000    0.100000    0.100000    0.100000    |
Consensus sequence: TTATCA

Reverse complement motif
0.100000    0.100000    0.100000    0.700000    |
0.000000    0.000000    1.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
0.000000    0.000000    0.000000    1.000000    |
1.000000    0.000000    0.000000    0.000000    |
1.000000    0.000000    0.000000    0.000000    |
Consensus sequence: TGATAA

Alignment:
-TTATCA
AACGT--

)") +
    kRule + "\n");

const std::string kWithoutMotifBlocks = fixture(
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
M00002         GATA-long-name Original Motif                          Reverse Complement                      Forward        2              5              0              |

Species: Mus

Consensus sequence (original motif): TTATCA
Consensus sequence (reverse complement motif): TGATAA

Alignment:
TGATAA
-ACGTT

)") +
    kRule + "\n" +
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
T00'1          so<x>          Original Motif                          Reverse Complement                      Backward       2              4              0.123457       |

Species: H&s

Consensus sequence (original motif): GGAC
Consensus sequence (reverse complement motif): GTCC

Alignment:
GTCC-
ACGTT

)") +
    kRule + "\n" +
    std::string(R"(Motif ID       Motif name     Matching format of first motif          Matching format of second motif         Direction      Position #     # of overlap   Similarity score
M00002         GATA-long-name Reverse Complement                      Original Motif                          Forward        2              4              0.5            |

Species: Mus

Consensus sequence (original motif): TTATCA
Consensus sequence (reverse complement motif): TGATAA

Alignment:
-TTATCA
AACGT--

)") +
    kRule + "\n");

const std::string kHtmlBlocks = R"(<table class='sansserif' width='1000' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '300'>
<col width= '700'>
<tr>
<td><font size = '2'>AC:</font></td>
<td><font size = '2'> <a href='http://www.gene-regulation.com/cgi-bin/pub/databases/transfac/getTF.cgi?M00002' target ='_blank'>M00002</a></font></td>
</tr>
<tr>
<td><font size = '2'>Motif name:</font></td>
<td><font size = '2'>GATA-long-name</font></td>
</tr>
<tr>
<td><font size = '2'>Species:</font></td>
<td><font size = '2'>Mus</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of first motif:</font></td>
<td><font size = '2'>Original Motif</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of second motif:</font></td>
<td><font size = '2'>Reverse Complement</font></td>
</tr>
<tr>
<td><font size = '2'>Direction:</font></td>
<td><font size = '2'>Forward</font></td>
</tr>
<tr>
<td><font size = '2'>Position number:</font></td>
<td><font size = '2'>2</font></td>
</tr>
<tr>
<td><font size = '2'>Number of overlap:</font></td>
<td><font size = '2'>5</font></td>
</tr>
<tr>
<td><font size = '2'>Similarity score:</font></td>
<td><font size = '2'>0</font></td>
</tr>
</table>
<br>
<font face='Arial' size = '2'>Alignment:</font>
<br>
<font face = 'Courier New'>TGATAA</font>
<br>
<font face = 'Courier New'>-ACGTT</font>
<p>
<table class='sansserif' width='1200' border = '0' cellSpacing = '1' cellPadding = '1' >
<col width= '600'>
<col width= '600'>
<tr>
<td><font size = '2'>Original motif</font></td>

<td><font size = '2'>Reverse complement motif</font></td>

</tr>
<tr>
<td><font size = '2'>Consensus sequence: TTATCA</font></td>

<td><font size = '2'>Consensus sequence: TGATAA</font></td>

</tr>
<tr>
<td></td>
<td></td>
</tr>
<tr>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_D2.jpeg'name = 'Image2' align = 'left' width = '350' height = '100' border = '0'> </td>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_D2RevComp.jpeg'name = 'ImageRevComp2' align = 'left' width = '350' height = '100' border = '0'> </td>
</tr>
</table>
</p>
<p>
<hr>
</p>
<table class='sansserif' width='1000' cellpadding='0' cellspacing='0' >
<col width= '300'>
<col width= '700'>
<tr>
<td><font size = '2'>AC:</font></td>
<td><font size = '2'> <a href='http://www.gene-regulation.com/cgi-bin/pub/databases/transfac/getTF.cgi?T00%271' target ='_blank'>T00'1</a></font></td>
</tr>
<tr>
<td><font size = '2'>Motif name:</font></td>
<td><font size = '2'>so&lt;x&gt;</font></td>
</tr>
<tr>
<td><font size = '2'>Species:</font></td>
<td><font size = '2'>H&amp;s</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of first motif:</font></td>
<td><font size = '2'>Original Motif</font></td>
</tr>
<tr>
<td><font size = '2'>Matching format of second motif:</font></td>
<td><font size = '2'>Reverse Complement</font></td>
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
<font face='Arial' size='2'>Alignment:</font>
<br>
<font face = 'Courier New'>GTCC-</font>
<br>
<font face = 'Courier New'>ACGTT</font>
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
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_D1.jpeg'name = 'Image1' align = 'left' width = '350' height = '100' border = '0'> </td>
<td><img src = 'J_2024-05-06_4321_image/J_2024-05-06_4321_D1RevComp.jpeg'name = 'ImageRevComp1' align = 'left' width = '350' height = '100' border = '0'> </td>
</tr>
</table>
</p>
<p>
<hr>
</p>
)";

TEST(databaseListingWriters, textBlocksAreByteExactOnBothSidesOfARecord) {
    Fixture f;
    f.titleBlockWritten(ReportDoc::DatabaseMatching);
    WriteDatabaseTopResultsList(f.s, f.list, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::DatabaseMatching), kTextBlocks);
    EXPECT_FALSE(f.stream(ReportDoc::DatabaseMatching).is_open());

    f.stream(ReportDoc::DatabaseMatchingWithoutMotif) << std::left;  // all its header leaves
    WriteDatabaseTopResultsListWithoutMotif(f.s, f.list, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::DatabaseMatchingWithoutMotif), kWithoutMotifBlocks);

    // The report of the global representatives writes the same blocks.
    f.titleBlockWritten(ReportDoc::DatabaseGlobalMatchingText);
    WriteDatabaseTopResultsGlobalList(f.s, f.list, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::DatabaseGlobalMatchingText), kTextBlocks);
}

TEST(databaseListingWriters, htmlBlocksAreByteExactWithEscapedTextsAndAnEncodedLink) {
    Fixture f;
    WriteDatabaseTopResultsListHTML(f.s, {f.list[0], f.list[1]}, 3, 2);
    EXPECT_EQ(f.document(ReportDoc::DatabaseMatchingHTML), kHtmlBlocks);
    EXPECT_FALSE(f.stream(ReportDoc::DatabaseMatchingHTML).is_open());
}

// The report of the global representatives leaves a font element open in other cells on
// each side of a record; nothing else differs.
TEST(databaseListingWriters, theGlobalHtmlBlocksDifferOnlyInTheirOpenCells) {
    Fixture f;
    WriteDatabaseTopResultsListHTML(f.s, f.list, 3, 2);
    WriteDatabaseTopResultsGlobalListHTML(f.s, f.list, 3, 2);
    const auto each = linesOf(f.document(ReportDoc::DatabaseMatchingHTML));
    const auto global = linesOf(f.document(ReportDoc::DatabaseGlobalMatchingHTML));
    ASSERT_EQ(each.size(), 3u * 75u);
    ASSERT_EQ(global.size(), each.size());
    std::vector<std::string> open;
    for (std::size_t i = 0; i < each.size(); ++i) {
        if (global[i] == each[i]) continue;
        EXPECT_EQ(global[i], each[i].substr(0, each[i].size() - 12) + "</td>");
        open.push_back(std::to_string(i / 75) + ": " + global[i]);
    }
    EXPECT_EQ(open, (std::vector<std::string>{"0: <td><font size = '2'>2</td>",
                                              "0: <td><font size = '2'>5</td>",
                                              "1: <td><font size = '2'>Original Motif</td>",
                                              "2: <td><font size = '2'>Reverse Complement</td>"}));
}

TEST(databaseListingWriters, eachDatabaseHasItsLabelsAndLinks) {
    struct Case {
        const char* key;
        const char* dbMotifID;
        const char* annotationLine;  // text blocks
        const char* idRow;           // HTML: key cell and value cell
        const char* annotationRow;
    } cases[] = {
        {"jasparUrochordates", "MA0001.1", "Taxon: Mus",
         "<td><font size = '2'>Motif ID:</font></td>\n<td><font size = '2'> <a "
         "href='http://jaspar.genereg.net/cgi-bin/jaspar_db.pl?rm=present&collection=CORE&ID="
         "MA0001.1' target ='_blank'>MA0001.1</a></font></td>",
         "<td><font size = '2'>Taxon:</font></td>"},
        {"uniprobeYeast", "UP00123_x", "Species: Mus",
         "<td><font size = '2'>Motif ID:</font></td>\n<td><font size = '2'> <a "
         "href='http://thebrain.bwh.harvard.edu/uniprobe/detailsDef.php?id=123' "
         "target ='_blank'>UP00123_x</a></font></td>",
         "<td><font size = '2'>Species:</font></td>"},
        {"uniprobeHuman", "UP01", "Species: Mus",  // too short to give a page number
         "<td><font size = '2'>Motif ID:</font></td>\n<td><font size = '2'> <a "
         "href='http://thebrain.bwh.harvard.edu/uniprobe/detailsDef.php?id=' "
         "target ='_blank'>UP01</a></font></td>",
         "<td><font size = '2'>Species:</font></td>"},
        {"uniprobeWorm", "UP0 5", "Species: Mus",
         "<td><font size = '2'>Motif ID:</font></td>\n<td><font size = '2'> <a "
         "href='http://thebrain.bwh.harvard.edu/uniprobe/detailsDef.php?id=5' "
         "target ='_blank'>UP0 5</a></font></td>",
         "<td><font size = '2'>Species:</font></td>"},
        {"transfac", "M<1>", "Species: Mus",
         "<td><font size = '2'>AC:</font></td>\n<td><font size = '2'> <a "
         "href='http://www.gene-regulation.com/cgi-bin/pub/databases/transfac/getTF.cgi?"
         "M%3C1%3E' target ='_blank'>M&lt;1&gt;</a></font></td>",
         "<td><font size = '2'>Species:</font></td>"},
    };
    for (const Case& c : cases) {
        Fixture f(c.key);
        f.s.DatabaseDatasets[1].dbMotifID = c.dbMotifID;
        WriteDatabaseTopResultsListWithoutMotif(f.s, {f.list[0]}, 3, 2);
        WriteDatabaseTopResultsListHTML(f.s, {f.list[0]}, 3, 2);
        const auto text = linesOf(f.document(ReportDoc::DatabaseMatchingWithoutMotif));
        EXPECT_EQ(text[1].substr(0, 15), (c.dbMotifID + std::string(15, ' ')).substr(0, 15));
        EXPECT_EQ(text[3], c.annotationLine) << c.key;
        const auto html = linesOf(f.document(ReportDoc::DatabaseMatchingHTML));
        EXPECT_EQ(html[4] + "\n" + html[5], c.idRow) << c.key;
        EXPECT_EQ(html[12], c.annotationRow) << c.key;
    }
}

TEST(databaseListingWriters, writeNothingOutsideTheirKindsOrForRecordsOfAnotherMotif) {
    struct Case {
        std::int32_t kind;
        std::int64_t top;
    } cases[] = {{1, 2}, {4, 2}, {3, 0}, {2, -1}};
    for (const Case& c : cases) {
        Fixture f;
        WriteDatabaseTopResultsList(f.s, f.list, c.kind, c.top);
        WriteDatabaseTopResultsListWithoutMotif(f.s, f.list, c.kind, c.top);
        WriteDatabaseTopResultsListHTML(f.s, f.list, c.kind, c.top);
        WriteDatabaseTopResultsGlobalList(f.s, f.list, c.kind, c.top);
        WriteDatabaseTopResultsGlobalListHTML(f.s, f.list, c.kind, c.top);
        for (ReportDoc d : {ReportDoc::DatabaseMatching, ReportDoc::DatabaseMatchingWithoutMotif,
                            ReportDoc::DatabaseMatchingHTML, ReportDoc::DatabaseGlobalMatchingText,
                            ReportDoc::DatabaseGlobalMatchingHTML}) {
            EXPECT_TRUE(f.exists(d));  // opened all the same
            EXPECT_EQ(f.document(d), "") << c.kind << " " << c.top;
        }
    }
    // Listed for input motif 1, every record of the list belongs to input motif 2.
    Fixture f;
    WriteDatabaseTopResultsList(f.s, f.list, 3, 1);
    EXPECT_EQ(f.document(ReportDoc::DatabaseMatching), "");
    // A list holding a record whose database motif is not stored shows the others.
    bestMatchList list = f.list;
    list[0].motifID2 = 3;
    WriteDatabaseTopResultsListWithoutMotif(f.s, list, 3, 2);
    EXPECT_EQ(linesOf(f.document(ReportDoc::DatabaseMatchingWithoutMotif)).size(), 2u * 13u);
}

TEST(databaseListingWritersDeathTest, anUnopenableDocumentEndsTheRun) {
    using Writer = void (*)(RunState&);
    const Writer writers[] = {
        [](RunState& s) { WriteDatabaseTopResultsList(s, {}, 3, 1); },
        [](RunState& s) { WriteDatabaseTopResultsListWithoutMotif(s, {}, 3, 1); },
        [](RunState& s) { WriteDatabaseTopResultsListHTML(s, {}, 0, 0); },
        [](RunState& s) { WriteDatabaseTopResultsGlobalList(s, {}, 3, 1); },
        [](RunState& s) { WriteDatabaseTopResultsGlobalListHTML(s, {}, 3, 1); },
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
