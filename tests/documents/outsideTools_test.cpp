// What goes to the outside tools and what the converter does with what comes back.
// Shell words, PHP strings, the conversion script, count files and logo commands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "documents/documents.h"
#include "model/model.h"
#include "support/support.h"

namespace {

TEST(shellWord, leavesOrdinaryPathsAndQuotesEverythingElse) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/result/J_2016-05-17_4821_image/J_2016-05-17_4821_M12.txt",
         "/data/result/J_2016-05-17_4821_image/J_2016-05-17_4821_M12.txt"},
        {"weblogo-3.4/weblogo", "weblogo-3.4/weblogo"},
        {"a+b,c:d@e%f=g", "a+b,c:d@e%f=g"},
        {"", "''"},
        {"/x/my data/motifs/", "'/x/my data/motifs/'"},
        {"it's", "'it'\\''s'"},
        {"$(touch pwned)", "'$(touch pwned)'"},
        {"a;b", "'a;b'"},
        {"~/motifs", "'~/motifs'"},
        {"*.txt", "'*.txt'"},
        {"tab\there", "'tab\there'"},
    };
    for (const auto& [text, word] : cases) EXPECT_EQ(shellWord(text), word) << text;
}

TEST(conversionScript, isTheFifteenLineScriptWithItsPathsAsPhpStrings) {
    EXPECT_EQ(
        conversionScript("/home/me/work", "/home/me/result/J_2016-05-17_4821_HTML_Results.html"),
        "<?php\n"
        "require '/home/me/work/prince.php';\n"
        "$prince = new Prince('/usr/local/bin/prince');\n"
        "if(!$prince) die('Cannot instantiate Prince.');\n"
        "$prince->setHTML(TRUE);\n"
        "$prince->setLog('prince.log');\n"
        "$xmlPath = '/home/me/result/J_2016-05-17_4821_HTML_Results.html';\n"
        "$msgs = array();\n"
        "$convert = $prince->convert_file($xmlPath, $msgs);\n"
        "if(!$convert)\n"
        "{\n"
        "echo 'nothing converted';\n"
        "var_dump($msgs);\n"
        "}\n"
        "?>\n");
    struct Case {
        const char* cwd;
        const char* requireLine;
    } cases[] = {
        {"", "require '/prince.php';\n"},
        {"/", "require '//prince.php';\n"},
        {"/x/it's", "require '/x/it\\'s/prince.php';\n"},
        {"C:\\x", "require 'C:\\\\x/prince.php';\n"},
        {"/x/');system('rm -rf ~');//",
         "require '/x/\\');system(\\'rm -rf ~\\');///prince.php';\n"},
    };
    for (const Case& c : cases)
        EXPECT_NE(conversionScript(c.cwd, "d.html").find(c.requireLine), std::string::npos)
            << c.cwd;
    EXPECT_NE(conversionScript("/w", "/r/a'b\\.html").find("$xmlPath = '/r/a\\'b\\\\.html';\n"),
              std::string::npos);
}

TEST(writeCountFile, writesTheHeadingAndEveryRowInTheDefaultFormat) {
    struct Case {
        Matrix matrix;
        const char* text;
    } cases[] = {
        {{{0.5, 0, 0.25, 0.25}, {0.1, 0.2, 0.3, 0.4}},
         "PO A C G T \n1 0.5 0 0.25 0.25 \n2 0.1 0.2 0.3 0.4 \n"},
        {{{1.0, 0.0, 1.0 / 3, 0.00001}}, "PO A C G T \n1 1 0 0.333333 1e-05 \n"},
        {{}, "PO A C G T \n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        writeCountFile(out, c.matrix);
        EXPECT_EQ(out.str(), c.text);
    }
}

TEST(logoCall, isTheGeneratorBesideTheOutputFolderWithItsFixedOptions) {
    const std::vector<std::string> before = {"--format", "jpeg", "--sequence-type", "dna",
                                             "--units", "bits", "--composition", "none",
                                             "--first-index", "1"};
    const std::vector<std::string> after = {
        "--size", "medium", "--stacks-per-line", "80", "--show-xaxis", "YES", "--show-yaxis",
        "YES", "--ticmarks", "1.0", "--errorbars", "NO", "--stack-width", "20", "--resolution",
        "96", "--scale-width", "yes", "--color-scheme", "classic", "--color", "green", "A",
        "Adenine", "--color", "blue", "C", "Cytosine", "--color", "orange", "G", "Guanine",
        "--color", "red", "T", "Thymine"};
    const auto expected = [&](const std::string& generator, bool revcomp) {
        std::vector<std::string> a{generator};
        a.insert(a.end(), before.begin(), before.end());
        if (revcomp) a.push_back("--revcomp");
        a.insert(a.end(), after.begin(), after.end());
        return a;
    };
    const std::string count = "/data/result/J_2016-05-17_4821_image/J_2016-05-17_4821_M12.txt";
    const std::string image = "/data/result/J_2016-05-17_4821_image/J_2016-05-17_4821_M12.jpeg";
    const OutsideCall motif = logoCall("/data/motifs/", count, image, LogoStrand::Motif);
    EXPECT_EQ(motif.arguments, expected("/data/weblogo-3.4/weblogo", false));
    EXPECT_EQ(motif.input, count);
    EXPECT_EQ(motif.output, image);
    EXPECT_EQ(motif.product, image);
    EXPECT_EQ(logoCall("/data/motifs/", count, image, LogoStrand::ReverseComplement).arguments,
              expected("/data/weblogo-3.4/weblogo", true));
    // Seven characters leave the generator relative to the working folder; fewer are kept
    // whole. Blanks and quotes stay as they are: no shell reads them.
    EXPECT_EQ(logoCall("motifs/", "c", "i", LogoStrand::Motif).arguments.front(),
              "weblogo-3.4/weblogo");
    EXPECT_EQ(logoCall("abc", "c", "i", LogoStrand::Motif).arguments.front(),
              "abcweblogo-3.4/weblogo");
    EXPECT_EQ(logoCall("/x/it's data/motifs/", "c", "i", LogoStrand::Motif).arguments.front(),
              "/x/it's data/weblogo-3.4/weblogo");
}

// A stand-in for the PHP interpreter, first on PATH while it lives: it keeps a copy of the
// script it was given and does what the case asks (make a PDF beside the document, ...).
class FakePhp {
public:
    FakePhp(const fs::path& bin, const std::string& action) : bin_(bin) {
        fs::create_directories(bin);
        std::ofstream(bin / "php5") << "#!/bin/sh\n"
                                    << "cp \"$1\" '" << (bin / "seen.php").string() << "'\n"
                                    << "echo \"$1\" >> '" << (bin / "calls").string() << "'\n"
                                    << "pdf=\"${1%.php}.pdf\"\n"
                                    << action << "\n";
        fs::permissions(bin / "php5", fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        setenv("PATH", (bin.string() + ":" + oldPath_).c_str(), 1);
    }
    ~FakePhp() { setenv("PATH", oldPath_.c_str(), 1); }
    FakePhp(const FakePhp&) = delete;
    FakePhp& operator=(const FakePhp&) = delete;

    std::string calls() const { return slurp(bin_ / "calls"); }
    std::string seenScript() const { return slurp(bin_ / "seen.php"); }

private:
    fs::path bin_;
    std::string oldPath_;
};

TEST(convertHTMLToPDF, deletesTheHtmlOnlyWhenItsPdfWasMadeByThisCall) {
    enum class Before { Nothing, StalePdf, NoDocument, ScriptPathTaken };
    struct Case {
        const char* what;
        const char* format;
        const char* action;
        Before before;
        bool ran, htmlKept;
        const char* warning;  // "" when none
    } cases[] = {
        {"PDF made, format PDF", "PDF", "printf '%%PDF-1.4 x' > \"$pdf\"", Before::Nothing, true,
         false, ""},
        {"PDF made, format All", "All", "printf '%%PDF-1.4 x' > \"$pdf\"", Before::Nothing, true,
         true, ""},
        {"converter fails", "PDF", "exit 1", Before::Nothing, true, true, "no PDF was made"},
        {"empty PDF", "PDF", ": > \"$pdf\"", Before::Nothing, true, true, "no PDF was made"},
        {"only an old PDF", "PDF", ":", Before::StalePdf, true, true, "no PDF was made"},
        {"conversion fails, format All", "All", "exit 1", Before::Nothing, true, true,
         "no PDF was made"},
        {"document missing", "PDF", "printf x > \"$pdf\"", Before::NoDocument, false, false,
         "is missing"},
        {"script cannot be written", "PDF", "printf x > \"$pdf\"", Before::ScriptPathTaken, false,
         true, "could not write"},
    };
    for (const Case& c : cases) {
        Workspace w;
        FakePhp php(w.root / "bin", c.action);
        RunState s;
        std::ostringstream console, warnings;
        s.console = &console;
        s.warnings = &warnings;
        s.outputPath = w.result().string() + "/";
        s.jobID = "J_2016-05-17_4821_";
        s.outputFileFormat = *outputFormatNamed(c.format);
        const fs::path html = w.result() / "J_2016-05-17_4821_HTML_Results.html";
        const fs::path pdf = w.result() / "J_2016-05-17_4821_HTML_Results.pdf";
        const fs::path script = w.result() / "J_2016-05-17_4821_HTML_Results.php";
        if (c.before != Before::NoDocument) std::ofstream(html) << "<html>\n</html>\n";
        if (c.before == Before::StalePdf) {
            std::ofstream(pdf) << "%PDF-1.4 from an earlier run";
            fs::last_write_time(pdf, fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
        if (c.before == Before::ScriptPathTaken) fs::create_directory(script);

        convertHTMLToPDF(s);

        EXPECT_EQ(!php.calls().empty(), c.ran) << c.what;
        if (c.ran) {
            EXPECT_EQ(php.calls(), script.string() + "\n") << c.what;
            EXPECT_EQ(php.seenScript(), conversionScript(getCurrentDirectory(), html.string()))
                << c.what;
            EXPECT_FALSE(fs::exists(script)) << c.what;
        }
        if (c.before == Before::ScriptPathTaken) {
            EXPECT_TRUE(fs::is_directory(script)) << c.what;
        }
        if (c.before == Before::NoDocument) {
            EXPECT_FALSE(fs::exists(script)) << c.what;
        }
        EXPECT_EQ(fs::exists(html), c.htmlKept) << c.what;
        if (*c.warning == '\0') {
            EXPECT_EQ(warnings.str(), "") << c.what;
        } else {
            EXPECT_NE(warnings.str().find(c.warning), std::string::npos)
                << c.what << ": " << warnings.str();
        }
        EXPECT_EQ(console.str(), "") << c.what;
    }
}

TEST(convertHTMLDocuments, convertsEveryHtmlDocumentOfTheRunOnlyForPdfFormats) {
    struct Case {
        const char* format;
        std::size_t conversions;
    } cases[] = {{"HTML", 0}, {"Text", 0}, {"PDF", 6}, {"All", 6}};
    for (const Case& c : cases) {
        Workspace w;
        FakePhp php(w.root / "bin", "printf '%%PDF-1.4 x' > \"$pdf\"");
        RunState s;
        std::ostringstream warnings;
        s.warnings = &warnings;
        s.outputPath = w.result().string() + "/";
        s.jobID = "J_2016-05-17_4821_";
        s.outputFileType = OutputType::All;
        s.outputFileFormat = *outputFormatNamed(c.format);
        s.DBName = findDatabase("jasparAll");
        s.motifCluster = true;
        for (const char* name : {"HTML_Global_Matching_Results.html", "HTML_Results.html",
                                 "HTML_Results_Database_Matching.html",
                                 "HTML_Results_Database_Matching_Global_Matching.html",
                                 "Global_Matching_Motif_Tree.html", "Motif_Tree.html"})
            std::ofstream(w.result() / (s.jobID + name)) << "<html>\n</html>\n";
        convertHTMLDocuments(s);
        const std::string calls = php.calls();
        EXPECT_EQ(static_cast<std::size_t>(std::count(calls.begin(), calls.end(), '\n')),
                  c.conversions)
            << c.format;
        // Report order: the global documents first, the tree documents last.
        if (c.conversions == 6) {
            EXPECT_LT(calls.find("HTML_Global_Matching_Results.php"),
                      calls.find("HTML_Results.php"));
            EXPECT_LT(calls.find("HTML_Results_Database_Matching.php"),
                      calls.find("Global_Matching_Motif_Tree.php"));
            EXPECT_LT(calls.find("Global_Matching_Motif_Tree.php"),
                      calls.find("/J_2016-05-17_4821_Motif_Tree.php"));
        }
        EXPECT_EQ(w.outputs(".html").size(), std::string(c.format) == "PDF" ? 0u : 6u) << c.format;
        EXPECT_EQ(warnings.str(), "") << c.format;
    }
}

}  // namespace

namespace {

TEST(writeDatabaseMotif, aDatabaseMotifWithoutPositionsIsWarnedAboutAsADatabaseMotif) {
    Workspace w;
    RunState s;
    placeDocuments(s, w);
    s.inputPath = w.inputFolder();
    std::ostringstream warnings;
    s.warnings = &warnings;
    s.DatabaseDatasets = {completedMotif(1, 1, "damaged\x1b[2J", {})};
    writeDatabaseMotif(s);
    EXPECT_EQ(warnings.str(),
              "Warning: database motif 1 (damaged\\x1b[2J) has no positions; no logo is drawn "
              "for it.\n");
    EXPECT_TRUE(w.outputs(".txt").empty()) << "no count file is left";
}

}  // namespace
