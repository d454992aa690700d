// The dialogue: what each answer becomes, and how refused answers are asked again.
#include <gtest/gtest.h>
#include <omp.h>

#include <functional>
#include <sstream>

#include "driver/driver.h"
#include "model/model.h"
#include "support/support.h"

namespace {

class Dialogue : public ::testing::Test {
protected:
    void SetUp() override { threadsBefore_ = omp_get_max_threads(); }
    void TearDown() override { omp_set_num_threads(threadsBefore_); }

    // Runs the dialogue on the answers; returns the console text.
    std::string ask(RunState& s, const std::string& answers) {
        std::istringstream in(answers);
        std::ostringstream out;
        s.in = &in;
        s.console = &out;
        askQuestions(s);
        s.in = nullptr;
        s.console = nullptr;
        return out.str();
    }

    static Answers base() {
        Answers a;
        a.inputFolder = "/tmp/motifs/";
        a.files = {{"a.txt", "1"}};
        a.outputFolder = "/tmp";
        return a;
    }

    int threadsBefore_ = 1;
};

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST_F(Dialogue, refusedAnswersAreAskedAgainWithTheirMessage) {
    struct Case {
        const char* what;
        std::function<void(Answers&)> answer;
        const char* message;
        int refusals;
        std::function<void(const RunState&)> check;
    } cases[] = {
        {"files: 0, -1, abc, overflow refused; 2.9 is 2",
         [](Answers& a) {
             a.numFiles = "0\n-1\nabc\n99999999999\n2.9";
             a.files = {{"a.txt", "1"}, {"b.txt", "1"}};
         },
         "Invalid input. Please, re-enter.", 4,
         [](const RunState& s) {
             EXPECT_EQ(s.numFile, 2);
             EXPECT_EQ(s.FileNameType.size(), 2u);
             EXPECT_EQ(s.FileNameType[1].datasetNumber, 2);
         }},
        {"top motifs: 51, 0, .5 refused; 50 taken",
         [](Answers& a) { a.topMotifs = "51\n0\n.5\n50"; }, "Invalid input. Please, re-enter.", 3,
         [](const RunState& s) { EXPECT_EQ(s.numTopMotif, 50); }},
        {"best matches: 07 is 7", [](Answers& a) { a.bestMatches = "07"; }, "", 0,
         [](const RunState& s) { EXPECT_EQ(s.numBestMatches, 7); }},
        {"cutoff: 0.65, 1, 0,5, 0.5.0 refused; .75 taken",
         [](Answers& a) { a.cutoff = "0.65\n1\n0,5\n0.5.0\n.75"; },
         "Invalid input. Please, re-enter.", 4,
         [](const RunState& s) { EXPECT_EQ(s.simCutoff, 0.75); }},
        {"cutoff: 0.750 is 0.75", [](Answers& a) { a.cutoff = "0.750"; }, "", 0,
         [](const RunState& s) { EXPECT_EQ(s.simCutoff, 0.75); }},
        {"threads: 0, -2 refused", [](Answers& a) { a.threads = "0\n-2\n1"; },
         "Invalid input. Please, re-enter.", 2,
         [](const RunState& s) { EXPECT_EQ(s.numThread, 1); }},
        {"file name with a blank refused; a tab is accepted",
         [](Answers& a) { a.files = {{"a b.txt\na\tb.txt", "1"}}; },
         "Please, re-enter file name without spaces:", 1,
         [](const RunState& s) { EXPECT_EQ(s.FileNameType[0].fileName, "a\tb.txt"); }},
        {"empty file name is accepted by the dialogue", [](Answers& a) { a.files = {{"", "1"}}; },
         "", 0, [](const RunState& s) { EXPECT_EQ(s.FileNameType[0].fileName, ""); }},
        {"format: 11, 0, x, empty refused; 3.7 is 3",
         [](Answers& a) { a.files = {{"a.txt", "11\n0\nx\n\n3.7"}}; },
         "Invalid file format. Please, re-enter:", 4,
         [](const RunState& s) { EXPECT_EQ(s.FileNameType[0].fileFormat, 3); }},
        {"database: 01, 15, jasparAll refused; 14 is none",
         [](Answers& a) { a.database = "01\n15\njasparAll\n14"; },
         "Invalid input. Please, re-enter.", 3,
         [](const RunState& s) { EXPECT_EQ(s.DBName, nullptr); }},
        {"database 8 is transfac", [](Answers& a) { a.database = "8"; }, "", 0,
         [](const RunState& s) { EXPECT_EQ(s.DBName, findDatabase("transfac")); }},
        {"tree: y, yes, 'Y ' refused", [](Answers& a) { a.tree = "y\nyes\nY \nY"; },
         "Invalid input. Please, re-enter.", 3,
         [](const RunState& s) { EXPECT_TRUE(s.motifCluster); }},
        {"combine: n refused", [](Answers& a) { a.combine = "n\nN"; },
         "Invalid input. Please, re-enter.", 1,
         [](const RunState& s) { EXPECT_FALSE(s.combinedMotifFlag); }},
        {"type: all refused", [](Answers& a) { a.type = "all\nAll"; },
         "Invalid output file type. Please, re-enter.", 1,
         [](const RunState& s) { EXPECT_EQ(s.outputFileType, OutputType::All); }},
        {"format: pdf refused", [](Answers& a) { a.format = "pdf\nPDF"; },
         "Invalid output file format. Please, re-enter.", 1,
         [](const RunState& s) { EXPECT_EQ(s.outputFileFormat, OutputFormat::PDF); }},
        {"output folder: missing and regular file refused",
         [](Answers& a) { a.outputFolder = "/no/such/folder\n/proc/self/status\n/tmp/"; },
         "Invalid path. Please, re-enter.", 2,
         [](const RunState& s) { EXPECT_EQ(s.outputPath, "/tmp/"); }},
        // Word answers skip blank lines, so the empty field costs nothing.
        {"two answers on one line", [](Answers& a) { a.numFiles = "1 10"; a.topMotifs = ""; },
         "", 0,
         [](const RunState& s) {
             EXPECT_EQ(s.numFile, 1);
             EXPECT_EQ(s.numTopMotif, 10);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Answers a = base();
        c.answer(a);
        RunState s;
        const std::string console = ask(s, a.text());
        if (c.refusals > 0) {
            EXPECT_EQ(count(console, c.message), c.refusals) << console;
        }
        c.check(s);
    }
}

TEST_F(Dialogue, answersWithCarriageReturnLineEndsReadAsTheSameAnswers) {
    Answers a = base();
    a.numFiles = "2";
    a.files = {{"a.txt", "4"}, {"b.txt", "1"}};
    a.database = "8";
    a.tree = "Y";
    a.type = "All";
    a.format = "PDF";
    std::string crlf;
    for (char c : a.text()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    RunState lf, cr;
    const std::string expected = ask(lf, a.text());
    omp_set_num_threads(threadsBefore_);  // the first dialogue applied its thread count
    EXPECT_EQ(ask(cr, crlf), expected);
    EXPECT_EQ(cr.inputPath, "/tmp/motifs/");
    ASSERT_EQ(cr.FileNameType.size(), 2u);
    EXPECT_EQ(cr.FileNameType[1].fileName, "b.txt");
    EXPECT_EQ(cr.FileNameType[1].fileFormat, 1);
    EXPECT_EQ(cr.DBName, findDatabase("transfac"));
    EXPECT_TRUE(cr.motifCluster);
    EXPECT_EQ(cr.outputFileType, OutputType::All);
    EXPECT_EQ(cr.outputFileFormat, OutputFormat::PDF);
    EXPECT_EQ(cr.outputPath, "/tmp");
}

TEST_F(Dialogue, threadCountIsCappedAtTheMachineMaximumAndApplied) {
    omp_set_num_threads(8);
    Answers a = base();
    a.threads = "64";
    RunState s;
    const std::string console = ask(s, a.text());
    EXPECT_EQ(s.maxThreadsAvailable, 8);
    EXPECT_EQ(s.numThread, 8);
    EXPECT_NE(console.find("Maximum number of threads available on your machine is 8.\n"
                           "This is the maximum number of threads can be allocated to run "
                           "this program.\n\n"),
              std::string::npos);
    EXPECT_EQ(omp_get_max_threads(), 8);

    a.threads = "3";
    RunState t;
    ask(t, a.text());
    EXPECT_EQ(t.numThread, 3);
    EXPECT_EQ(omp_get_max_threads(), 3);
}

TEST_F(Dialogue, keepsTypedAnswersAndTheFolderAsTyped) {
    Answers a = base();
    a.inputFolder = "  odd folder ";
    a.cutoff = "0.50";
    RunState s;
    ask(s, a.text());
    EXPECT_EQ(s.inputPath, "  odd folder ");
    EXPECT_EQ(s.simCutoffInput, "0.50");
    EXPECT_EQ(s.simCutoff, 0.5);
    EXPECT_EQ(s.FileNameType[0].motifCount, 0);
}

TEST(outputFolderFor, replacesTheLastSevenCharacters) {
    EXPECT_EQ(outputFolderFor("/data/motifs/"), "/data/result/");
    EXPECT_EQ(outputFolderFor("/data/input/"), "/dataresult/");
    EXPECT_EQ(outputFolderFor("abc"), "abcresult/");
}

TEST(makeJobIdentity, namesEveryDocumentAndAvoidsIdentifiersInUse) {
    Workspace w;
    RunState s;
    s.inputPath = w.inputFolder();
    makeJobIdentity(s);
    EXPECT_EQ(s.outputPath, w.result().string() + "/");
    ASSERT_EQ(s.jobID.size(), 18u);
    EXPECT_EQ(s.jobID.substr(0, 2), "J_");
    EXPECT_EQ(s.jobID.substr(2, 10), getCurrDateTimeFormat().substr(0, 10));
    const int number = std::stoi(s.jobID.substr(13, 4));
    EXPECT_GE(number, 1000);
    EXPECT_LE(number, 9999);
    EXPECT_EQ(s.documents[ReportDoc::Results].name, s.jobID + "Results.txt");
    EXPECT_EQ(s.documents[ReportDoc::Results].path, s.outputPath + s.jobID + "Results.txt");
    EXPECT_EQ(s.documents[ReportDoc::MotifTree].path, s.outputPath + s.jobID + "Motif_Tree.html");

    // A second job started in the same second draws the same first number: it must move on.
    std::ofstream(w.result() / (s.jobID + "input_motifs.txt")) << "x";
    RunState t;
    t.inputPath = w.inputFolder();
    makeJobIdentity(t);
    EXPECT_NE(t.jobID, s.jobID);
}

TEST(reportDocuments, existExactlyWhenTheAnswersAskForThem) {
    using D = ReportDoc;
    struct Case {
        const char *type, *format, *db, *tree, *combine;
        std::vector<D> docs;
    } cases[] = {
        {"Global-Only", "Text", "N", "N", "N", {D::GlobalMatchingText}},
        {"Global-Only", "HTML", "jasparAll", "N", "N",
         {D::GlobalMatchingHTML, D::DatabaseGlobalMatchingHTML}},
        {"All", "All", "N", "N", "N",
         {D::GlobalMatchingText, D::GlobalMatchingHTML, D::Results, D::ResultsWithoutMotif,
          D::ResultsHTML}},
        {"All", "Text", "transfac", "Y", "Y",
         {D::GlobalMatchingText, D::DatabaseGlobalMatchingText, D::Results, D::ResultsWithoutMotif,
          D::DatabaseMatching, D::DatabaseMatchingWithoutMotif, D::CombinedGlobal,
          D::CombinedGlobalAndLocal, D::CombinedBestMatches}},
        {"Global-Only", "PDF", "N", "Y", "Y",
         {D::GlobalMatchingHTML, D::CombinedGlobal, D::MotifTreeGlobal}},
        {"All", "PDF", "uniprobeYeast", "Y", "N",
         {D::GlobalMatchingHTML, D::DatabaseGlobalMatchingHTML, D::ResultsHTML,
          D::DatabaseMatchingHTML, D::MotifTreeGlobal, D::MotifTree}},
    };
    for (const Case& c : cases) {
        RunState s;
        s.outputFileType = *outputTypeNamed(c.type);
        s.outputFileFormat = *outputFormatNamed(c.format);
        s.DBName = findDatabase(c.db);
        s.motifCluster = *yesNoNamed(c.tree);
        s.combinedMotifFlag = *yesNoNamed(c.combine);
        std::vector<D> found;
        for (int d = 1; d <= kReportDocCount; ++d)
            if (documentExists(s, static_cast<D>(d))) found.push_back(static_cast<D>(d));
        EXPECT_EQ(found, c.docs) << c.type << " " << c.format << " " << c.db;
    }
}

}  // namespace
