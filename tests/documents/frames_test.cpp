// Headers and footers of the report documents, written from a run state built here.
#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <regex>
#include <sstream>

#include "documents/documents.h"
#include "support/support.h"

namespace {

const std::string kJob = "J_2016-05-17_4821_";

// A small run: two input files, every document named in the workspace's result folder.
void smallRun(RunState& s, const Workspace& w) {
    s.numFile = 2;
    s.numTopMotif = 5;
    s.numBestMatches = 3;
    s.simCutoff = 0.75;
    s.DBName = findDatabase("jasparAll");
    s.motifCluster = true;
    s.combinedMotifFlag = false;
    s.outputFileType = OutputType::All;
    s.outputFileFormat = OutputFormat::All;
    s.inputPath = w.inputFolder();
    s.outputPath = w.result().string() + "/";
    s.jobID = kJob;
    s.FileNameType = {
        {.fileName = "liver.txt", .fileFormat = 4, .motifCount = 4, .datasetNumber = 1},
        {.fileName = "heart_factors.txt", .fileFormat = 1, .motifCount = 13, .datasetNumber = 2}};
    nameDocuments(s);
}

std::string documentText(const RunState& s, ReportDoc d) { return slurp(s.documents[d].path); }

std::string withoutStamp(const std::string& text) {
    static const std::regex stamp(R"(\d{2}-\d{2}-\d{4} \d{2}:\d{2}:\d{2})");
    return std::regex_replace(text, stamp, "<date-time>");
}

std::string blanks(int n) { return std::string(n, ' '); }

const std::string kBanner(196, '*');

// The header of the small run; the longest file name has 17 characters, so the first
// column is 27 wide.
std::string smallTextHeader() {
    return kBanner + "\nKELVANOR - Vorlantic\nVersion 2.2\n\n" + kBanner + "\nINPUT\n" + kBanner +
           "\n\n"
           "Input Parameters \n"
           "Number of files: 2\n"
           "Number of top significant motifs: 5\n"
           "Number of best matches: 3\n"
           "Similarity cutoff: >= 0.75\n"
           "Matching motif database: Jaspar Core\n"
           "Motif tree: Yes\n"
           "Combined similar motifs: No\n"
           "Output file type: All\n"
           "Output file format: All\n"
           "\n"
           "Input files and motif counts\n" +
           ("File name" + blanks(18) + "Count of motifs" + blanks(5) + "Dataset #" + blanks(6)) +
           "\n" + ("liver.txt" + blanks(18) + "4" + blanks(19) + "1" + blanks(14)) + "\n" +
           ("heart_factors.txt" + blanks(10) + "13" + blanks(18) + "2" + blanks(14)) + "\n\n" +
           kBanner + "\nRESULTS\n" + kBanner + "\n\n";
}

TEST(databaseDisplayName, showsTheThirteenKeysAndNoneForAnythingElse) {
    const std::pair<const char*, const char*> cases[] = {
        {"transfac", "Transfac"},
        {"jasparAll", "Jaspar Core"},
        {"jasparFungi", "Jaspar Fungi"},
        {"jasparInsects", "Jaspar Insects"},
        {"jasparNematodes", "Jaspar Nematodes"},
        {"jasparPlants", "Jaspar Plants"},
        {"jasparUrochordates", "Jaspar Urochordates"},
        {"jasparVertebrates", "Jaspar Vertebrates"},
        {"uniprobeHuman", "UniProbe Homo Sapiens"},
        {"uniprobeMouse", "UniProbe Mus Musculus"},
        {"uniprobeParasite", "UniProbe Parasite (Plasmodium Falciparum)"},
        {"uniprobeWorm", "UniProbe Worm (Caenorhabditis Elegans)"},
        {"uniprobeYeast", "UniProbe Yeast (Saccharomyces Cerevisiae)"},
        {"N", "None"},
        {"", "None"},
        {"JasparAll", "None"},
        {"transfac ", "None"},
    };
    for (const auto& [key, name] : cases) {
        RunState s;
        s.DBName = findDatabase(key);
        EXPECT_STREQ(databaseDisplayName(s), name) << key;
    }
}

TEST(textHeaders, everyMemberWritesTheTemplateWithItsOwnDifference) {
    struct Case {
        void (*writer)(RunState&);
        ReportDoc document;
        bool blankBeforeFiles;
    } cases[] = {
        {writeHeaderGlobalText, ReportDoc::GlobalMatchingText, true},
        {writeHeaderGlobalTextDatabaseMatch, ReportDoc::DatabaseGlobalMatchingText, true},
        {writeHeaderText, ReportDoc::Results, true},
        {writeHeaderTextWithoutMotif, ReportDoc::ResultsWithoutMotif, true},
        {writeHeaderTextDatabaseMatch, ReportDoc::DatabaseMatching, true},
        {writeHeaderTextWithoutMotifDatabaseMatch, ReportDoc::DatabaseMatchingWithoutMotif, false},
        {writeHeaderCombinedMatrixGlobal, ReportDoc::CombinedGlobal, true},
        {writeHeaderCombinedMatrixGlobalAndLocal, ReportDoc::CombinedGlobalAndLocal, true},
        {writeHeaderCombinedMatrixBestMatches, ReportDoc::CombinedBestMatches, true},
    };
    Workspace w;
    RunState s;
    smallRun(s, w);
    for (const Case& c : cases) {
        std::string expected = smallTextHeader();
        if (!c.blankBeforeFiles)
            expected.replace(expected.find("All\n\nInput files"), 5, "All\n");
        // An earlier file of the same path is emptied first.
        std::ofstream(s.documents[c.document].path) << "left over from an earlier run\n";
        c.writer(s);
        EXPECT_EQ(documentText(s, c.document), expected) << defaultDocumentName(c.document);
        std::ofstream& stream = s.documents[c.document].stream;
        EXPECT_FALSE(stream.is_open());
        // The table's left adjustment stays for the later writers; nothing else changes.
        EXPECT_EQ(stream.flags() & std::ios::adjustfield, std::ios::left);
        EXPECT_EQ(stream.flags() & std::ios::floatfield, std::ios::fmtflags{});
        EXPECT_EQ(stream.precision(), 6);
    }
}

TEST(textHeaders, onlyTheCombinedGlobalHeaderOfAOneFileRunCarriesTheNotice) {
    Workspace w;
    RunState s;
    smallRun(s, w);
    s.numFile = 1;
    s.FileNameType.resize(1);
    s.simCutoff = 0.5;
    s.DBName = nullptr;
    writeHeaderCombinedMatrixGlobal(s);
    writeHeaderCombinedMatrixBestMatches(s);
    const std::string table = "Input files and motif counts\n"
                              "File name" + blanks(10) + "Count of motifs" + blanks(5) +
                              "Dataset #" + blanks(6) + "\n" + "liver.txt" + blanks(10) + "4" +
                              blanks(19) + "1" + blanks(14) + "\n\n" + kBanner + "\nRESULTS\n" +
                              kBanner + "\n\n";
    const std::string global = documentText(s, ReportDoc::CombinedGlobal);
    const std::string best = documentText(s, ReportDoc::CombinedBestMatches);
    EXPECT_EQ(global, best + "There is no global matching for 1 motif file.\n\n");
    EXPECT_TRUE(best.ends_with(table)) << best;
    EXPECT_NE(best.find("Similarity cutoff: >= 0.5\nMatching motif database: None\n"),
              std::string::npos);
    EXPECT_EQ(std::count(global.begin(), global.end(), '\n'), 29);
}

TEST(textHeaders, anEmptyFileListGivesATenWideHeadingAndNoRows) {
    Workspace w;
    RunState s;
    smallRun(s, w);
    s.FileNameType.clear();
    writeHeaderGlobalText(s);
    EXPECT_NE(documentText(s, ReportDoc::GlobalMatchingText)
                  .find("Input files and motif counts\nFile name" + blanks(1) + "Count of motifs" +
                        blanks(5) + "Dataset #" + blanks(6) + "\n\n" + kBanner + "\nRESULTS\n"),
              std::string::npos);
}

// The HTML report header of writeHeaderHTMLOrPDF for the small run, with a file name that
// holds markup characters.
std::string htmlHeaderWithShadow() {
    std::string rows;
    const std::pair<const char*, const char*> parameters[] = {
        {"Number of files: ", "2"},
        {"Number of top significant motifs: ", "5"},
        {"Number of best matches: ", "3"},
        {"Similarity cutoff >= ", "0.75"},
        {"Matching motif database: ", "Jaspar Core"},
        {"Motif tree: ", "Yes"},
        {"Combined similar motifs: ", "No"},
        {"Output file type: ", "All"},
        {"Output file format: ", "All"},
    };
    for (const auto& [label, value] : parameters)
        rows += std::string("<tr>\n<td><font size = '2'>") + label + "</font></td>\n" +
                "<td><font size = '2'>" + value + "</font></td>\n</tr>\n";
    return "<html>\n"
           "<head>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
           "<title>KELVANOR Results</title>\n"
           "<style type = 'text/css'>\n"
           ".boxed {<br>&nbsp;&nbsp; border: 2px solid #B0B0B0 ; padding: 7px;<br>}\n"
           ".sansserif {font-family: Verdana}\n"
           ".textshadow {text-shadow: 1px 1px 1px #333;}\n"
           "html{-webkit-font-smoothing: antialiased;}\n"
           "@media print{@page {size: landscape}}\n"
           "@page { @bottom-right { content: 'Page ' counter(page) ' of ' counter(pages); } }\n"
           "</style>\n"
           "</head>\n"
           "<body>\n"
           "<h1 class='sansserif' style='text-shadow: 2px 2px 2px #999'>"
           " KELVANOR - Vorlantic </h1>\n"
           "<p><b class='sansserif'>Version 2.2 </b></p>\n"
           "<div><h3 class='sansserif'> INPUT </h3></div>\n"
           "<div class = 'boxed'>\n"
           "<b class='sansserif'><font size = '2'>Input Parameters </font></b>\n"
           "<table class='sansserif' width = '600' border = '0'"
           " cellSpacing = '1' cellPadding = '1'>\n"
           "<col width= '300'>\n"
           "<col width= '300'>\n" +
           rows +
           "</table>\n"
           "<br>\n"
           "<b class='sansserif' ><font size = '2'> Input files and motif counts </font></b>\n"
           "<table class='sansserif' width='700' border = '0'"
           " cellSpacing = '1' cellPadding = '1' >\n"
           "<col width= '450'>\n"
           "<col width= '150'>\n"
           "<col width= '150'>\n"
           "<tr>\n"
           "<td><b><font size = '2'>File name</font></b></td>\n"
           "<td><b><font size = '2'>Count of motifs</font></b></td>\n"
           "<td><b><font size = '2'>Dataset number </font></b></td>\n"
           "</tr>\n"
           "<tr>\n"
           "<td><font size = '2'>liver.txt</font></td>\n"
           "<td><font size = '2'>4</font></td>\n"
           "<td><font size = '2'>1</font></td>\n"
           "</tr>\n"
           "<tr>\n"
           "<td><font size = '2'>&lt;b&gt;heart&amp;'lung.txt</font></td>\n"
           "<td><font size = '2'>13</font></td>\n"
           "<td><font size = '2'>2</font></td>\n"
           "</tr>\n"
           "</table>\n"
           "</div>\n"
           "<br>\n"
           "<h3 class='sansserif'> RESULTS </h3>\n";
}

void replaceOnce(std::string& text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

TEST(htmlHeaders, reportHeadersAreTheTemplateWithEscapedFileNames) {
    Workspace w;
    RunState s;
    smallRun(s, w);
    s.FileNameType[1].fileName = "<b>heart&'lung.txt";
    writeHeaderHTMLOrPDF(s);
    writeHeaderGlobalHTMLOrPDF(s);
    writeHeaderGlobalHTMLOrPDFDatabaseMatch(s);
    writeHeaderHTMLOrPDFDatabaseMatch(s);

    const std::string withShadow = htmlHeaderWithShadow();
    EXPECT_EQ(documentText(s, ReportDoc::ResultsHTML), withShadow);
    // The other three lack the shadow rule and the blank in the caption.
    std::string plain = withShadow;
    replaceOnce(plain, ".textshadow {text-shadow: 1px 1px 1px #333;}\n", "");
    replaceOnce(plain, "<b class='sansserif' ><font size = '2'> Input files",
                "<b class='sansserif'><font size = '2'> Input files");
    EXPECT_EQ(documentText(s, ReportDoc::GlobalMatchingHTML), plain);
    EXPECT_EQ(documentText(s, ReportDoc::DatabaseGlobalMatchingHTML), plain);
    EXPECT_EQ(documentText(s, ReportDoc::DatabaseMatchingHTML), plain);
    EXPECT_EQ(s.documents[ReportDoc::ResultsHTML].stream.flags(), std::ofstream().flags()) << "the HTML header sets no format";
}

TEST(htmlHeaders, treeHeadersAreOneLevelLowerWiderAndPortrait) {
    Workspace w;
    RunState s;
    smallRun(s, w);
    s.FileNameType[1].fileName = "<b>heart&'lung.txt";
    writeHeaderMotifTreeGlobalHTMLOrPDF(s);
    writeHeaderMotifTreeHTMLOrPDF(s);

    std::string tree = htmlHeaderWithShadow();
    replaceOnce(tree, "@media print{@page {size: landscape}}\n", "");
    replaceOnce(
        tree,
        "<h1 class='sansserif' style='text-shadow: 2px 2px 2px #999'> KELVANOR - Vorlantic </h1>",
        "<h2 class='sansserif' style='text-shadow: 2px 2px 2px #999'> KELVANOR - Vorlantic </h2>");
    replaceOnce(tree, "<h3 class='sansserif'> INPUT </h3>", "<h4 class='sansserif'> INPUT </h4>");
    replaceOnce(tree, "<h3 class='sansserif'> RESULTS </h3>",
                "<h4 class='sansserif'> RESULTS </h4>");
    replaceOnce(tree, "width = '600'", "width = '700'");
    replaceOnce(tree, "<col width= '300'>\n<col width= '300'>",
                "<col width= '300'>\n<col width= '400'>");
    replaceOnce(tree, "Dataset number </font>", "Dataset #</font>");
    const std::string global = documentText(s, ReportDoc::MotifTreeGlobal);
    EXPECT_EQ(global, tree);
    EXPECT_EQ(documentText(s, ReportDoc::MotifTree), tree);
    EXPECT_EQ(std::count(global.begin(), global.end(), '\n'), 73 + 5 * 2);
}

TEST(footers, runTimeIsPrintedInTheFormatTheDocumentsStreamHolds) {
    enum class Earlier { Nothing, Header, Matrix };
    struct Case {
        void (*footer)(RunState&);
        ReportDoc document;
        Earlier earlier;
        double wtime;
        const char* runtimeLine;
    } cases[] = {
        {writeFooterText, ReportDoc::Results, Earlier::Matrix, 3.5, "Runtime: 3.500000 seconds\n"},
        {writeFooterText, ReportDoc::Results, Earlier::Header, 3.5, "Runtime: 3.5 seconds\n"},
        {writeFooterTextWithoutMotif, ReportDoc::ResultsWithoutMotif, Earlier::Header, 3.5,
         "Runtime: 3.5 seconds\n"},
        {writeFooterGlobalText, ReportDoc::GlobalMatchingText, Earlier::Matrix, 12.3456789,
         "Runtime: 12.345679 seconds\n"},
        {writeFooterGlobalTextDatabaseMatch, ReportDoc::DatabaseGlobalMatchingText,
         Earlier::Nothing, 12.3456789, "Runtime: 12.3457 seconds\n"},
        {writeFooterTextDatabaseMatch, ReportDoc::DatabaseMatching, Earlier::Matrix, 0.0,
         "Runtime: 0.000000 seconds\n"},
        {writeFooterTextWithoutMotifDatabaseMatch, ReportDoc::DatabaseMatchingWithoutMotif,
         Earlier::Header, 0.0, "Runtime: 0 seconds\n"},
        {writeFooterCombinedMatrixGlobal, ReportDoc::CombinedGlobal, Earlier::Header, 1.5e6,
         "Runtime: 1.5e+06 seconds\n"},
        {writeFooterCombinedMatrixGlobalAndLocal, ReportDoc::CombinedGlobalAndLocal,
         Earlier::Header, 3.5, "Runtime: 3.5 seconds\n"},
        {writeFooterCombinedMatrixBestMatches, ReportDoc::CombinedBestMatches, Earlier::Header,
         3.5, "Runtime: 3.5 seconds\n"},
        {writeFooterHTMLOrPDF, ReportDoc::ResultsHTML, Earlier::Header, 3.5,
         "Runtime: 3.5 seconds</font>\n"},
        {writeFooterMotifTreeGlobalHTMLOrPDF, ReportDoc::MotifTreeGlobal, Earlier::Header, 0.25,
         "Runtime: 0.25 seconds\n"},
        {writeFooterMotifTreeHTMLOrPDF, ReportDoc::MotifTree, Earlier::Header, 60,
         "Runtime: 60 seconds\n"},
    };
    for (const Case& c : cases) {
        Workspace w;
        RunState s;
        smallRun(s, w);
        s.wtime = c.wtime;
        std::ofstream& stream = s.documents[c.document].stream;
        if (c.earlier != Earlier::Nothing) {
            // The header leaves left adjustment; a matrix listing leaves fixed, six decimals.
            stream.open(s.documents[c.document].path);
            stream << "body\n" << std::left;
            if (c.earlier == Earlier::Matrix)
                stream << std::setw(12) << std::fixed << std::setprecision(6) << 0.25 << "\n";
            stream.close();
        }
        c.footer(s);
        const std::string text = documentText(s, c.document);
        EXPECT_NE(text.find(c.runtimeLine), std::string::npos)
            << defaultDocumentName(c.document) << " " << c.runtimeLine << "\n" << text;
        EXPECT_FALSE(stream.is_open());
    }
}

TEST(footers, eachLayoutAppendsItsLinesAfterWhatTheDocumentHolds) {
    Workspace w;
    RunState s;
    smallRun(s, w);
    s.wtime = 2.25;
    for (ReportDoc d : {ReportDoc::Results, ReportDoc::GlobalMatchingHTML, ReportDoc::MotifTree})
        std::ofstream(s.documents[d].path) << "body\n";
    writeFooterText(s);
    writeFooterGlobalHTMLOrPDF(s);
    writeFooterMotifTreeHTMLOrPDF(s);
    // A document that went missing gets the footer alone.
    writeFooterCombinedMatrixBestMatches(s);

    EXPECT_EQ(withoutStamp(documentText(s, ReportDoc::Results)),
              "body\n\nResults created by KELVANOR on <date-time>\nRuntime: 2.25 seconds\n");
    EXPECT_EQ(withoutStamp(documentText(s, ReportDoc::CombinedBestMatches)),
              "\nResults created by KELVANOR on <date-time>\nRuntime: 2.25 seconds\n");
    EXPECT_EQ(
        withoutStamp(documentText(s, ReportDoc::GlobalMatchingHTML)),
        "body\n"
        "</div>\n"
        "<p class='sansserif'>\n"
        "<font size = '2' >\n"
        "Results created by KELVANOR on <date-time></font>\n"
        "<br>\n"
        "<font size = '2' >\n"
        "Runtime: 2.25 seconds</font>\n"
        "</p>\n"
        "<p class='sansserif'>\n"
        "<font size = '2' >\n"
        "Motif logo generated by <a href='https://weblogo.threeplusone.com/' target ='_blank'> "
        "weblogo</a></font>\n"
        "</p>\n"
        "</body>\n"
        "</html>\n");
    EXPECT_EQ(withoutStamp(documentText(s, ReportDoc::MotifTree)),
              "body\n"
              "<p class='sansserif'>\n"
              "<font size = '2' >\n"
              "Results created by KELVANOR on <date-time>\n"
              "<br>\n"
              "Runtime: 2.25 seconds\n"
              "<br>\n"
              "</font>\n"
              "</p>\n"
              "</body>\n"
              "</html>\n");
}

TEST(frames, aDocumentThatCannotBeOpenedEndsTheRunWithTheOutputPathMessage) {
    const std::pair<const char*, void (*)(RunState&)> cases[] = {
        {"text header", writeHeaderText},
        {"HTML header", writeHeaderHTMLOrPDF},
        {"tree header", writeHeaderMotifTreeGlobalHTMLOrPDF},
        {"text footer", writeFooterCombinedMatrixGlobal},
        {"HTML footer", writeFooterGlobalHTMLOrPDFDatabaseMatch},
        {"tree footer", writeFooterMotifTreeHTMLOrPDF},
        {"logo count file", [](RunState& s) { writeMotifImage(s, {{0.25, 0.25, 0.25, 0.25}}, 1); }},
    };
    for (const auto& [what, writer] : cases) {
        Workspace w;
        RunState s;
        smallRun(s, w);
        fs::remove_all(w.result());
        s.console = &std::cerr;  // what the death test can see
        EXPECT_EXIT(writer(s), testing::ExitedWithCode(1),
                    "Invalid output path or output filename\\.$")
            << what;
        EXPECT_FALSE(fs::exists(w.result())) << what;
    }
}

TEST(frames, theRunFramesExactlyTheDocumentsItsAnswersAskFor) {
    struct Case {
        const char* type;
        const char* format;
        const char* database;
        const char* tree;
        const char* combine;
        std::vector<ReportDoc> documents;
    } cases[] = {
        {"Global-Only", "Text", "N", "Y", "N", {ReportDoc::GlobalMatchingText}},
        {"Global-Only", "PDF", "transfac", "Y", "Y",
         {ReportDoc::DatabaseGlobalMatchingHTML, ReportDoc::GlobalMatchingHTML,
          ReportDoc::CombinedGlobal, ReportDoc::MotifTreeGlobal}},
        {"All", "All", "N", "N", "N",
         {ReportDoc::GlobalMatchingText, ReportDoc::GlobalMatchingHTML, ReportDoc::Results,
          ReportDoc::ResultsWithoutMotif, ReportDoc::ResultsHTML}},
        {"All", "HTML", "uniprobeWorm", "Y", "Y",
         {ReportDoc::GlobalMatchingHTML, ReportDoc::DatabaseGlobalMatchingHTML,
          ReportDoc::ResultsHTML, ReportDoc::DatabaseMatchingHTML, ReportDoc::CombinedGlobal,
          ReportDoc::CombinedGlobalAndLocal, ReportDoc::CombinedBestMatches,
          ReportDoc::MotifTreeGlobal, ReportDoc::MotifTree}},
    };
    for (const Case& c : cases) {
        Workspace w;
        RunState s;
        smallRun(s, w);
        s.outputFileType = *outputTypeNamed(c.type);
        s.outputFileFormat = *outputFormatNamed(c.format);
        s.DBName = findDatabase(c.database);
        s.motifCluster = *yesNoNamed(c.tree);
        s.combinedMotifFlag = *yesNoNamed(c.combine);
        writeHeaders(s);
        writeFooters(s);
        std::vector<std::string> expected, made;
        for (ReportDoc d : c.documents) expected.push_back(kJob + defaultDocumentName(d));
        for (const fs::path& p : w.outputs()) {
            made.push_back(p.filename().string());
            const std::string text = slurp(p);
            EXPECT_TRUE(text.starts_with(p.extension() == ".html" ? "<html>\n" : kBanner))
                << p.filename();
            EXPECT_TRUE(text.ends_with(p.extension() == ".html" ? "</html>\n" : " seconds\n"))
                << p.filename();
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(made, expected) << c.type << " " << c.format << " " << c.database;
    }
}

}  // namespace
