// Whole runs: report frames, real logos and PDFs, pages in a browser, odd folder names.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "documents/documents.h"
#include "model/model.h"
#include "support/support.h"

namespace {

const std::string kBanner(196, '*');

std::vector<std::string> names(const std::vector<fs::path>& paths) {
    std::vector<std::string> found;
    for (const fs::path& p : paths) found.push_back(masked(p.filename().string()));
    return found;
}

bool isJpeg(const fs::path& p) {
    const std::string bytes = slurp(p);
    return bytes.size() > 1000 && bytes.starts_with("\xFF\xD8\xFF") && bytes.ends_with("\xFF\xD9");
}

// Dark pixels in a browser's screenshot of the page: a blank page has none.
long darkPixelsInScreenshot(const fs::path& html, const fs::path& scratch) {
    const fs::path shot = scratch / "shot.png";
    capture("timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage "
            "--user-data-dir=" + shellWord((scratch / "profile").string()) +
            " --window-size=1200,900 --screenshot=" + shellWord(shot.string()) + " " +
            shellWord("file://" + html.string()) + " 2>/dev/null");
    const std::string count = capture(
        "/usr/bin/python3 -c 'import sys; from PIL import Image; "
        "print(sum(1 for p in Image.open(sys.argv[1]).convert(\"L\").getdata() if p < 128))' " +
        shellWord(shot.string()) + " 2>/dev/null");
    return count.empty() ? -1 : std::stol(count);
}

// Two small motif files in the workspace's motif folder.
Answers smallRun(const Workspace& w) {
    w.write("liver.txt",
            ">EX1\tHNFa\nA [ 4 1 2 39 ]\nC [ 4 0 2 0 ]\nG [ 30 2 1 1 ]\nT [ 2 37 35 0 ]\n");
    w.write("heart_factors.txt", ">p1\n0.7 0.1 0.1 0.1\n0.1 0.1 0.1 0.7\n0.5 0.5 0 0\n0 0 1 0\n");
    Answers a;
    a.numFiles = "2";
    a.inputFolder = w.inputFolder();
    a.files = {{"liver.txt", "4"}, {"heart_factors.txt", "3"}};
    a.outputFolder = w.result().string();
    return a;
}

// The launchers scripts/setup installs where the conversion scripts look for them.
void expectConverterInstalled() {
    ASSERT_NE(capture("command -v php5"), "") << "no php5 on the PATH: run scripts/setup";
    ASSERT_TRUE(fs::exists("/usr/local/bin/prince")) << "no converter: run scripts/setup";
}

std::string blanks(int n) { return std::string(n, ' '); }

TEST(reportRuns, textRunFramesEveryTextDocumentWithTheRunsHeaderAndFooter) {
    Workspace w;
    Answers a = smallRun(w);
    a.type = "All";
    a.combine = "Y";
    const RunResult r = runProgram(w.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(names(w.outputs()),
              (std::vector<std::string>{
                  "J_<id>_Results.txt", "J_<id>_Results_Combined_Motifs_Best_Matches.txt",
                  "J_<id>_Results_Combined_Motifs_Global_Matching.txt",
                  "J_<id>_Results_Combined_Motifs_Global_and_Local_Matching.txt",
                  "J_<id>_Results_Global_Matching.txt", "J_<id>_Results_Without_Motif_Details.txt",
                  "J_<id>_input_motifs.txt"}));
    const std::string header =
        kBanner + "\nKELVANOR - Vorlantic\nVersion 2.2\n\n" + kBanner + "\nINPUT\n" + kBanner +
        "\n\nInput Parameters \nNumber of files: 2\nNumber of top significant motifs: 5\n"
        "Number of best matches: 3\nSimilarity cutoff: >= 0.75\nMatching motif database: None\n"
        "Motif tree: No\nCombined similar motifs: Yes\nOutput file type: All\n"
        "Output file format: Text\n\nInput files and motif counts\n"
        "File name" + blanks(18) + "Count of motifs" + blanks(5) + "Dataset #" + blanks(6) + "\n" +
        "liver.txt" + blanks(18) + "1" + blanks(19) + "1" + blanks(14) + "\n" +
        "heart_factors.txt" + blanks(10) + "1" + blanks(19) + "2" + blanks(14) + "\n\n" + kBanner +
        "\nRESULTS\n" + kBanner + "\n\n";
    for (const fs::path& p : w.outputs("txt")) {
        if (p.filename().string().ends_with("input_motifs.txt")) continue;
        const std::string text = masked(slurp(p));
        EXPECT_TRUE(text.starts_with(header)) << p.filename() << "\n" << text;
        EXPECT_TRUE(
            text.ends_with("\nResults created by KELVANOR on <date-time>\nRuntime: <t> seconds\n"))
            << p.filename() << "\n"
            << text;
    }
    EXPECT_EQ(r.errors, "");
}

TEST(reportRuns, oneFileGivesTheCombinedGlobalDocumentItsNotice) {
    Workspace w;
    w.write("two.txt", ">p1\n0.7 0.1 0.1 0.1\n0.1 0.1 0.1 0.7\n\n>p2\n0 0 1 0\n0.5 0.5 0 0\n");
    Answers a;
    a.inputFolder = w.inputFolder();
    a.files = {{"two.txt", "3"}};
    a.outputFolder = w.result().string();
    a.combine = "Y";
    const RunResult r = runProgram(w.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    const auto combined = w.outputs("Results_Combined_Motifs_Global_Matching.txt");
    ASSERT_EQ(combined.size(), 1u);
    const std::string headerWithNotice =
        "RESULTS\n" + kBanner + "\n\nThere is no global matching for 1 motif file.\n\n";
    EXPECT_NE(slurp(combined[0]).find(headerWithNotice), std::string::npos);
    // Other headers carry no notice (a section of the body may).
    const auto global = w.outputs("Results_Global_Matching.txt");
    ASSERT_EQ(global.size(), 1u);
    EXPECT_EQ(slurp(global[0]).find(headerWithNotice), std::string::npos);
}

// The first motifs of a real JASPAR collection; weblogo cannot draw the third as a JPEG
// with Ghostscript 10.0 on its own, on either strand.
bool writeRealMotifs(const Workspace& w, int count) {
    const std::string source = motifDataPath("jaspar2016_rsat/pfm_vertebrates.txt");
    if (source.empty()) return false;
    std::istringstream in(slurp(source));
    std::string line, kept;
    int motifs = 0;
    while (std::getline(in, line)) {
        if (line.starts_with(">") && ++motifs > count) break;
        kept += line + "\n";
    }
    w.write("vertebrates.txt", kept);
    return true;
}

TEST(reportRuns, htmlAndPdfReportsWithRealLogosOpenInABrowserAndPrintLandscape) {
    Workspace w;
    if (!writeRealMotifs(w, 3)) FAIL() << kMissingMotifData;
    ASSERT_NO_FATAL_FAILURE(expectConverterInstalled());
    linkOutsideTools(w.root);
    Answers a;
    a.inputFolder = w.inputFolder();
    a.files = {{"vertebrates.txt", "4"}};
    a.outputFolder = w.result().string();
    a.type = "All";
    a.format = "All";
    const RunResult r = runProgram(w.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(r.errors, "");

    std::vector<std::string> logos;
    for (int id = 1; id <= 3; ++id)
        for (const char* strand : {"", "RevComp"})
            logos.push_back("J_<id>_M" + std::to_string(id) + strand + ".jpeg");
    std::sort(logos.begin(), logos.end());
    EXPECT_EQ(names(w.outputs(".jpeg")), logos);
    for (const fs::path& p : w.outputs(".jpeg")) EXPECT_TRUE(isJpeg(p)) << p.filename();
    for (const fs::path& p : w.outputs(".txt"))
        EXPECT_FALSE(p.parent_path().filename().string().ends_with("image"))
            << "count file left: " << p;
    EXPECT_TRUE(w.outputs(".php").empty());

    const auto html = w.outputs(".html");
    ASSERT_EQ(names(html), (std::vector<std::string>{"J_<id>_HTML_Global_Matching_Results.html",
                                                     "J_<id>_HTML_Results.html"}));
    for (const fs::path& page : html) {
        EXPECT_GT(darkPixelsInScreenshot(page, w.root), 2000) << page.filename();
        fs::path pdf = page;
        pdf.replace_extension(".pdf");
        ASSERT_TRUE(fs::exists(pdf)) << pdf.filename();
        const std::string info = capture("pdfinfo " + shellWord(pdf.string()));
        EXPECT_NE(info.find("Page size:       841.89 x 595.276 pts (A4)"), std::string::npos)
            << info;
        const std::string text = capture("pdftotext -layout " + shellWord(pdf.string()) + " -");
        EXPECT_NE(text.find("Page 1 of"), std::string::npos) << text;
        EXPECT_NE(text.find("vertebrates.txt"), std::string::npos) << text;
        // The alignment lines are set in Courier New; without a font of its metrics they
        // come out in a proportional face and no longer line up.
        if (page.filename().string().ends_with("HTML_Results.html")) {
            const std::string fonts = capture("pdffonts " + shellWord(pdf.string()));
            EXPECT_NE(fonts.find("Liberation-Mono"), std::string::npos) << fonts;
        }
    }
    // The listings of all matches show the logos; the PDF carries them as JPEG images.
    const std::string images = capture("pdfimages -list " + shellWord((w.result() / "").string()) +
                                       "J_*_HTML_Results.pdf");
    EXPECT_NE(images.find(" jpeg "), std::string::npos) << images;
}

TEST(reportRuns, aFolderWithABlankAndAQuoteWorksAndHarmsNothing) {
    ASSERT_NO_FATAL_FAILURE(expectConverterInstalled());
    Workspace w;
    std::ofstream(w.root / "my") << "keep me\n";
    // Blanks and a pair of quotes: unquoted, the words split and every redirection hits "my".
    const fs::path home = w.root / "my 'data' set";
    fs::create_directories(home / "motifs");
    fs::create_directories(home / "result");
    linkOutsideTools(home);
    std::ofstream(home / "motifs" / "two.txt")
        << ">p1\n0.7 0.1 0.1 0.1\n0.1 0.1 0.1 0.7\n0.1 0.7 0.1 0.1\n0 0 1 0\n\n"
           ">p2\n0 0 1 0\n0.5 0.5 0 0\n0.1 0.1 0.7 0.1\n0.25 0.25 0.25 0.25\n";
    Answers a;
    a.inputFolder = (home / "motifs").string() + "/";
    a.files = {{"two.txt", "3"}};
    a.outputFolder = (home / "result").string();
    a.format = "PDF";
    const RunResult r = runProgram(home, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(r.errors, "");
    EXPECT_EQ(slurp(w.root / "my"), "keep me\n");

    std::vector<std::string> made;
    for (const auto& e : fs::recursive_directory_iterator(home / "result"))
        if (e.is_regular_file()) made.push_back(masked(e.path().filename().string()));
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::string>{"J_<id>_HTML_Global_Matching_Results.pdf",
                                              "J_<id>_M1.jpeg", "J_<id>_M1RevComp.jpeg",
                                              "J_<id>_M2.jpeg", "J_<id>_M2RevComp.jpeg",
                                              "J_<id>_input_motifs.txt"}));
    // Nothing was written outside the run's own folder but the converter's log.
    std::vector<std::string> beside;
    for (const auto& e : fs::directory_iterator(w.root))
        beside.push_back(e.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"motifs", "my", "my 'data' set", "result"}));
}

TEST(reportRuns, treeDocumentFramesShowInABrowserAndPrintOnPortraitPages) {
    ASSERT_NO_FATAL_FAILURE(expectConverterInstalled());
    Workspace w;
    linkOutsideTools(w.root);
    RunState s;
    std::ostringstream warnings;
    s.warnings = &warnings;
    s.numFile = 1;
    s.simCutoff = 0.85;
    s.DBName = nullptr;
    s.motifCluster = true;
    s.outputFileType = OutputType::GlobalOnly;
    s.outputFileFormat = OutputFormat::All;
    s.outputPath = w.result().string() + "/";
    s.jobID = "J_2016-05-17_4821_";
    s.FileNameType = {
        {.fileName = "a&b.txt", .fileFormat = 4, .motifCount = 2, .datasetNumber = 1}};
    s.documents[ReportDoc::MotifTreeGlobal].path =
        s.outputPath + s.jobID + "Global_Matching_Motif_Tree.html";
    writeHeaderMotifTreeGlobalHTMLOrPDF(s);
    writeFooterMotifTreeGlobalHTMLOrPDF(s);

    // The conversion script loads the wrapper from the working folder.
    const fs::path before = fs::current_path();
    fs::current_path(w.root);
    convertHTMLToPDFMotifTreeGlobal(s);
    fs::current_path(before);
    EXPECT_EQ(warnings.str(), "");

    const fs::path html = s.documents[ReportDoc::MotifTreeGlobal].path;
    EXPECT_GT(darkPixelsInScreenshot(html, w.root), 2000);
    const fs::path pdf = w.result() / "J_2016-05-17_4821_Global_Matching_Motif_Tree.pdf";
    const std::string info = capture("pdfinfo " + shellWord(pdf.string()));
    EXPECT_NE(info.find("Page size:       595.276 x 841.89 pts (A4)"), std::string::npos) << info;
    const std::string text = capture("pdftotext -layout " + shellWord(pdf.string()) + " -");
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos) << text;
    EXPECT_NE(text.find("a&b.txt"), std::string::npos) << text;
}

// Outside tools that fail, put where the run looks for them.
void failingTools(const fs::path& folder, const char* generator, const char* wrapper) {
    fs::create_directories(folder / "weblogo-3.4");
    std::ofstream(folder / "weblogo-3.4" / "weblogo") << "#!/bin/sh\n" << generator << "\n";
    fs::permissions(folder / "weblogo-3.4" / "weblogo", fs::perms::owner_all);
    std::ofstream(folder / "prince.php") << wrapper;
}

TEST(reportRuns, aFailedConversionKeepsTheHtmlReportAndSaysSo) {
    Workspace w;
    failingTools(w.root, "printf 'not really a logo'",
                 "<?php\nclass Prince {\n  function __construct($exe) {}\n"
                 "  function setHTML($h) {}\n  function setLog($l) {}\n"
                 "  function convert_file($path, &$msgs) { $msgs[] = 'no converter here'; return "
                 "FALSE; }\n}\n");
    Answers a = smallRun(w);
    a.format = "PDF";
    const RunResult r = runProgram(w.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(names(w.outputs(".html")),
              (std::vector<std::string>{"J_<id>_HTML_Global_Matching_Results.html"}));
    EXPECT_TRUE(w.outputs(".pdf").empty());
    EXPECT_TRUE(w.outputs(".php").empty());
    // What the converter's script prints is not the program's console text.
    EXPECT_EQ(r.console.find("nothing converted"), std::string::npos) << r.console;
    EXPECT_NE(r.errors.find("nothing converted"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("no PDF was made from"), std::string::npos) << r.errors;
    EXPECT_NE(r.console.find("Your output files have been saved in"), std::string::npos);
}

TEST(reportRuns, aFailedLogoIsWarnedAboutOnceAndTheRunGoesOn) {
    Workspace w;
    failingTools(w.root, "echo 'generator broke' >&2; exit 1", "");
    Answers a = smallRun(w);
    a.format = "HTML";
    const RunResult r = runProgram(w.root, a.text());
    EXPECT_EQ(r.status, 0) << r.console << r.errors;
    const std::regex warning(
        "Warning: the logo generator made no image [^\n]*_M[12](RevComp)?\\.jpeg\n");
    const auto found = std::distance(
        std::sregex_iterator(r.errors.begin(), r.errors.end(), warning), std::sregex_iterator());
    EXPECT_EQ(found, 4) << r.errors;
    EXPECT_EQ(w.outputs(".html").size(), 1u);
    EXPECT_EQ(names(w.outputs(".txt")), (std::vector<std::string>{"J_<id>_input_motifs.txt"}))
        << "count files are removed";
}

}  // namespace

namespace {

// Six small motifs in one file; the fake generators below tell them apart by their length.
Answers sixMotifRun(const Workspace& w, const std::string& threads) {
    std::string text;
    for (int k = 0; k < 6; ++k) {
        text += ">m" + std::to_string(k) + "\n";
        for (int row = 0; row < 4 + k; ++row)
            text += row % 2 ? "0.7 0.1 0.1 0.1\n" : "0.1 0.1 0.1 0.7\n";
        text += "\n";
    }
    w.write("six.txt", text);
    Answers a;
    a.threads = threads;
    a.inputFolder = w.inputFolder();
    a.files = {{"six.txt", "3"}};
    a.format = "HTML";
    a.outputFolder = w.result().string();
    return a;
}

TEST(logoStage, aMissingGeneratorIsToldOnceAndLeavesNoEmptyImages) {
    Workspace w;  // no generator beside the output folder
    const RunResult r = runProgram(w.root, sixMotifRun(w, "4").text());
    EXPECT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(r.errors, "Warning: the logo generator " + w.root.string() +
                            "/weblogo-3.4/weblogo could not be started; no logo images are "
                            "made.\n");
    EXPECT_TRUE(w.outputs(".jpeg").empty());
    EXPECT_EQ(names(w.outputs(".txt")), (std::vector<std::string>{"J_<id>_input_motifs.txt"}));
}

TEST(logoStage, aMotifWithoutPositionsGetsNoLogoButAWarning) {
    Workspace w;
    failingTools(w.root, "cat > /dev/null; printf 'a logo'", "");
    Answers a = sixMotifRun(w, "2");
    w.write("six.txt", slurp(w.motifs() / "six.txt") + ">hollow\n\n");
    const RunResult r = runProgram(w.root, a.text());
    EXPECT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_NE(r.errors.find("Warning: motif 7 (hollow) has no positions; no logo is drawn for it."),
              std::string::npos)
        << r.errors;
    EXPECT_EQ(w.outputs(".jpeg").size(), 12u);
    EXPECT_TRUE(w.outputs("M7.jpeg").empty());
}

TEST(logoStage, drawsAsManyAtOnceAsTheRunHasThreadsWithTheSameImagesAndWarnings) {
    // Each call notes how many calls run beside it, and fails for motifs of odd length.
    const auto run = [](const std::string& threads, int& mostAtOnce) {
        Workspace w;
        const std::string busy = (w.root / "busy").string();
        fs::create_directory(busy);
        failingTools(w.root,
                     ("rows=$(grep -c . ); me=" + busy + "/$$; : > $me; "
                      "ls " + busy + " | wc -l >> " + busy + ".log; sleep 0.1; rm $me; "
                      "[ $((rows % 2)) -eq 1 ] || exit 1; printf 'a logo'").c_str(),
                     "");
        const RunResult r = runProgram(w.root, sixMotifRun(w, threads).text());
        EXPECT_EQ(r.status, 0) << r.console << r.errors;
        mostAtOnce = 0;
        std::istringstream counts(slurp(busy + ".log"));
        for (int n; counts >> n;) mostAtOnce = std::max(mostAtOnce, n);
        std::string errors = masked(r.errors);
        for (std::size_t p; (p = errors.find(w.root.string())) != std::string::npos;)
            errors.replace(p, w.root.string().size(), "<root>");
        return std::make_pair(names(w.outputs(".jpeg")), errors);
    };
    int one = 0, eight = 0;
    const auto sequential = run("1", one);
    const auto concurrent = run("8", eight);
    EXPECT_EQ(one, 1);
    EXPECT_GT(eight, 1);
    EXPECT_EQ(sequential.first.size(), 6u);  // the three motifs of 5, 7 and 9 rows
    EXPECT_EQ(concurrent.first, sequential.first);
    EXPECT_EQ(concurrent.second, sequential.second);
    EXPECT_NE(sequential.second.find("made no image"), std::string::npos);
}

}  // namespace

