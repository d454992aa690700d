// Whole runs of the program: the dialogue, reading, the input listing and the fatal paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "support/support.h"

namespace {

const char* kJaspar = ">MA1\tx\nA [ 1 0 ]\nC [ 1 0 ]\nG [ 1 0 ]\nT [ 1 4 ]\n";
const char* kPssm = ">p1\n0.7 0.1 0.1 0.1\n1 1 1 1\n\n>p2\n0 0 0 0\n0 1 0 0\n";

Answers twoFiles(const Workspace& w) {
    w.write("a.txt", kJaspar);
    w.write("bb.txt", kPssm);
    Answers a;
    a.numFiles = "2";
    a.inputFolder = w.inputFolder();
    a.files = {{"a.txt", "4"}, {"bb.txt", "3"}};
    a.outputFolder = w.result().string();
    return a;
}

std::string withoutRoot(std::string text, const Workspace& w) {
    const std::string root = w.root.string();
    for (std::size_t p; (p = text.find(root)) != std::string::npos;) text.replace(p, root.size(), "<root>");
    return text;
}

// Compares with a file under tests/e2e/golden; KELVANOR_UPDATE_GOLDEN=1 rewrites it.
void expectGolden(const std::string& actual, const std::string& name) {
    const fs::path path = fs::path(KELVANOR_SOURCE_DIR) / "tests/e2e/golden" / name;
    if (std::getenv("KELVANOR_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(actual, slurp(path)) << "golden " << name << " differs";
}

TEST(endToEnd, twoFilesGiveTheInputListingAndTheConsoleTranscript) {
    Workspace w;
    const RunResult r = runProgram(w.root, twoFiles(w).text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    expectGolden(withoutRoot(masked(r.console), w), "two_files_console.txt");

    const auto listing = w.outputs("input_motifs.txt");
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(slurp(listing[0]),
              "KELVANOR - Vorlantic\nVersion 2.1\n\nTotal number of motifs: 3\n\n"
              "Input files and motif counts\n"
              "File name       Count of motifs     Dataset #      \n"
              "a.txt           1                   1              \n"
              "bb.txt          2                   2              \n"
              "\nInput Motifs\n\n"
              "Dataset #: 1\tMotif ID: 1\tMotif name: MA1\n\n"
              "0.250000\t0.250000\t0.250000\t0.250000\t\n"
              "0.000000\t0.000000\t0.000000\t1.000000\t\n\n\n"
              "Dataset #: 2\tMotif ID: 2\tMotif name: p1\n\n"
              "0.700000\t0.100000\t0.100000\t0.100000\t\n"
              "0.250000\t0.250000\t0.250000\t0.250000\t\n\n\n"
              "Dataset #: 2\tMotif ID: 3\tMotif name: p2\n\n"
              "0.250000\t0.250000\t0.250000\t0.250000\t\n"
              "0.000000\t1.000000\t0.000000\t0.000000\t\n\n\n");
}

TEST(endToEnd, whatAFileHeldThatGaveNoMotifIsToldOnStandardErrorOnly) {
    Workspace clean, noisy;
    const RunResult expected = runProgram(clean.root, twoFiles(clean).text());
    Answers a = twoFiles(noisy);
    noisy.write("bb.txt", std::string(kPssm) + "\n\n>empty\n\nnotes at the end\nof the file\n");
    const RunResult r = runProgram(noisy.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    // Standard output is the clean run's, but for the file's motif count.
    std::string console = withoutRoot(masked(expected.console), clean);
    const std::string count = "bb.txt          2";
    console.replace(console.find(count), count.size(), "bb.txt          3");
    EXPECT_EQ(withoutRoot(masked(r.console), noisy), console);
    EXPECT_EQ(r.errors,
              "Warning: bb.txt: 2 lines fit no motif layout and were not read; a motif came out "
              "without positions: 4 (empty).\n");
    EXPECT_EQ(expected.errors, "");
}

TEST(endToEnd, fatalConditionsPrintTheirLineAndExitWithOne) {
    struct Case {
        const char* what;
        std::function<void(const Workspace&, Answers&)> setUp;
        const char* lastLine;
    } cases[] = {
        {"missing input file",
         [](const Workspace&, Answers& a) { a.files[1].first = "missing.txt"; },
         "Invalid input path or file name.\n"},
        {"empty file name",
         [](const Workspace&, Answers& a) { a.files[1].first = ""; },
         "Invalid input path or file name.\n"},
        {"file name naming a folder",
         [](const Workspace& w, Answers& a) {
             fs::create_directory(w.motifs() / "sub");
             a.files[1].first = "sub";
         },
         "Invalid input path or file name.\n"},
        {"one motif in all",
         [](const Workspace& w, Answers& a) {
             w.write("bb.txt", "");
             (void)a;
         },
         "Error: insufficient number of motifs.\n"},
    };
    for (const Case& c : cases) {
        Workspace w;
        Answers a = twoFiles(w);
        c.setUp(w, a);
        const RunResult r = runProgram(w.root, a.text());
        EXPECT_EQ(r.status, 1) << c.what;
        const std::string& out = r.console;
        EXPECT_TRUE(out.size() >= std::strlen(c.lastLine) &&
                    out.compare(out.size() - std::strlen(c.lastLine), std::string::npos,
                                c.lastLine) == 0)
            << c.what << ": " << out.substr(out.size() > 200 ? out.size() - 200 : 0);
        EXPECT_TRUE(w.outputs().empty()) << c.what;
    }
}

TEST(endToEnd, endOfInputDuringTheDialogueStopsInsteadOfAskingForever) {
    for (const char* answers : {"", "2\n5\n", "2\n5\n3\n0.75\n1\n/x/motifs/\na.txt\n"}) {
        Workspace w;
        const RunResult r = runProgram(w.root, answers);
        EXPECT_EQ(r.status, 1) << answers;
        EXPECT_NE(r.console.find("Error: unexpected end of input.\n"), std::string::npos) << answers;
    }
}

}  // namespace
