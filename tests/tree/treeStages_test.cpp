// The tree stages on a run state built here: the files and the real Rscript's image, the
// warnings when no tree is drawn, the fatal exits, and the sections in their documents.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "support/support.h"
#include "tree/treeStages.h"
#include "tree/treeSupport.h"

namespace {

const std::string kJob = "J_2024-05-06_4321_";

DistanceTable fourMotifs() {
    return {{"", "Alpha", "Beta", "Gamma", "Delta"},
            {"Alpha", "0", "0.25", "6", "1.5"},
            {"Beta", "0.25", "0", "0.333333", "6"},
            {"Gamma", "6", "0.333333", "0", "0.125"},
            {"Delta", "1.5", "6", "0.125", "0"}};
}

// A two-file run with both tables filled, writing into the workspace's result folder.
struct Fixture {
    Workspace w;
    std::ostringstream console, warnings;
    RunState s;
    Fixture() {
        s.console = &console;
        s.warnings = &warnings;
        s.numFile = 2;
        placeDocuments(s, w, kJob);
        s.distanceMatrix = fourMotifs();
        s.distanceMatrixGlobal = fourMotifs();
    }
    std::vector<std::string> made() const {
        std::vector<std::string> names;
        for (const fs::path& p : w.outputs()) names.push_back(p.filename().string());
        return names;
    }
};

struct Stage {
    const char* name;
    void (*run)(RunState&);
    MotifTree tree;
    DistanceTable RunState::*table;
    DistanceTable RunState::*otherTable;
};
const Stage kStages[] = {
    {"getMotifCluster", getMotifCluster, MotifTree::AllMotifs, &RunState::distanceMatrix,
     &RunState::distanceMatrixGlobal},
    {"getMotifClusterGlobal", getMotifClusterGlobal, MotifTree::GlobalMatching,
     &RunState::distanceMatrixGlobal, &RunState::distanceMatrix},
};

TEST(motifTreeStages, relabelTheirTableInPlaceWriteItsFilesAndDrawA700PixelTree) {
    for (const Stage& stage : kStages) {
        Fixture f;
        stage.run(f.s);
        const DistanceTable& table = f.s.*stage.table;
        const std::string prefix = motifTreeLook(stage.tree).labelPrefix;
        EXPECT_EQ(table[0], (std::vector<std::string>{"", prefix + "1_Alpha", prefix + "2_Beta",
                                                      prefix + "3_Gamma", prefix + "4_Delta"}))
            << stage.name;
        EXPECT_EQ(table[4][0], prefix + "4_Delta") << stage.name;
        EXPECT_EQ(f.s.*stage.otherTable, fourMotifs()) << stage.name;

        const MotifTreeFiles files = motifTreeFiles(f.s.outputPath, kJob, stage.tree);
        EXPECT_EQ(slurp(files.matrix), distanceMatrixCsv(table)) << stage.name;
        EXPECT_EQ(slurp(files.script), treeScript(files.matrix, files.image)) << stage.name;
        EXPECT_EQ(pngSize(files.image), (PngSize{700, 700})) << stage.name;
        EXPECT_EQ(f.made().size(), 3u) << stage.name << ": nothing but the three tree files";
        EXPECT_EQ(f.console.str(), "") << stage.name;
        EXPECT_EQ(f.warnings.str(), "") << stage.name;
    }
}

// Points PATH at an empty folder while it lives.
class NoProgramsOnThePath {
public:
    explicit NoProgramsOnThePath(const fs::path& empty) : saved_(std::getenv("PATH")) {
        fs::create_directories(empty);
        setenv("PATH", empty.c_str(), 1);
    }
    ~NoProgramsOnThePath() { setenv("PATH", saved_.c_str(), 1); }
    NoProgramsOnThePath(const NoProgramsOnThePath&) = delete;
    NoProgramsOnThePath& operator=(const NoProgramsOnThePath&) = delete;

private:
    std::string saved_;
};

TEST(motifTreeStages, aTreeThatIsNotDrawnIsWarnedAboutOnStandardErrorAndTheRunGoesOn) {
    struct Case {
        const char* what;
        DistanceTable table;
        bool withoutRscript;
        const char* warning;
    } cases[] = {
        // The global table of a run whose motifs match nothing in another file.
        {"nothing to cluster", {{""}}, false, "Warning: R drew no motif tree "},
        {"no Rscript", fourMotifs(), true, "Warning: Rscript could not be started; no motif tree "},
    };
    for (const Case& c : cases) {
        for (const Stage& stage : kStages) {
            Fixture f;
            f.s.*stage.table = c.table;
            {
                std::optional<NoProgramsOnThePath> noPrograms;
                if (c.withoutRscript) noPrograms.emplace(f.w.root / "empty");
                stage.run(f.s);
            }
            const MotifTreeFiles files = motifTreeFiles(f.s.outputPath, kJob, stage.tree);
            EXPECT_EQ(f.warnings.str(), c.warning + files.image + "\n") << c.what << stage.name;
            EXPECT_EQ(f.console.str(), "") << c.what << stage.name;
            EXPECT_FALSE(fs::exists(files.image)) << c.what << stage.name;
            EXPECT_TRUE(fs::exists(files.matrix) && fs::exists(files.script))
                << c.what << stage.name;
        }
    }
}

TEST(motifTreeStages, aMatrixFileWrittenOnlyInPartDrawsNoTree) {
    Fixture f;
    const MotifTreeFiles files = motifTreeFiles(f.s.outputPath, kJob, MotifTree::AllMotifs);
    fs::create_symlink("/dev/full", files.matrix);  // opens, but takes no byte
    getMotifCluster(f.s);
    EXPECT_EQ(f.warnings.str(), "Warning: could not write " + files.matrix +
                                    " in full; no motif tree is drawn from it.\n");
    EXPECT_EQ(slurp(files.script), treeScript(files.matrix, files.image));
    EXPECT_FALSE(fs::exists(files.image));
}

TEST(motifTreeStagesDeathTest, aTreeFileOrDocumentThatCannotBeOpenedEndsTheRun) {
    enum class Blocked { OutputFolder, Script };
    struct Case {
        const char* what;
        void (*run)(RunState&);
        MotifTree tree;
        Blocked blocked;
        bool matrixLeft;
    } cases[] = {
        {"all motifs", getMotifCluster, MotifTree::AllMotifs, Blocked::OutputFolder, false},
        {"global", getMotifClusterGlobal, MotifTree::GlobalMatching, Blocked::OutputFolder, false},
        {"script of all motifs", getMotifCluster, MotifTree::AllMotifs, Blocked::Script, true},
        {"global script", getMotifClusterGlobal, MotifTree::GlobalMatching, Blocked::Script, true},
        {"tree section", writeMotifTreeHTMLOrPDF, MotifTree::AllMotifs, Blocked::OutputFolder,
         false},
        {"global tree section", writeMotifTreeGlobalHTMLOrPDF, MotifTree::GlobalMatching,
         Blocked::OutputFolder, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.s.console = &std::cerr;  // what the death test can see
        const MotifTreeFiles files = motifTreeFiles(f.s.outputPath, kJob, c.tree);
        if (c.blocked == Blocked::OutputFolder) fs::remove_all(f.w.result());
        if (c.blocked == Blocked::Script) fs::create_directory(files.script);
        EXPECT_EXIT(c.run(f.s), testing::ExitedWithCode(1),
                    "^Invalid output path or output filename\\.$")
            << c.what;
        EXPECT_EQ(fs::exists(files.matrix), c.matrixLeft) << c.what;
        EXPECT_FALSE(fs::exists(files.image)) << c.what;
    }
}

TEST(motifTreeSections, appendToTheirOwnDocumentAndLeaveTheOtherAlone) {
    struct Case {
        void (*write)(RunState&);
        ReportDoc document, other;
        MotifTree tree;
        std::int32_t numFile;
    } cases[] = {
        {writeMotifTreeHTMLOrPDF, ReportDoc::MotifTree, ReportDoc::MotifTreeGlobal,
         MotifTree::AllMotifs, 1},
        {writeMotifTreeGlobalHTMLOrPDF, ReportDoc::MotifTreeGlobal, ReportDoc::MotifTree,
         MotifTree::GlobalMatching, 2},
        {writeMotifTreeGlobalHTMLOrPDF, ReportDoc::MotifTreeGlobal, ReportDoc::MotifTree,
         MotifTree::GlobalMatching, 1},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.s.numFile = c.numFile;
        for (ReportDoc d : {c.document, c.other})
            std::ofstream(f.s.documents[d].path) << "<p>header</p>\n";
        c.write(f.s);
        EXPECT_EQ(slurp(f.s.documents[c.document].path),
                  "<p>header</p>\n" + motifTreeSection(c.tree, kJob, c.numFile))
            << defaultDocumentName(c.document) << ", " << c.numFile << " file(s)";
        EXPECT_EQ(slurp(f.s.documents[c.other].path), "<p>header</p>\n");
        EXPECT_FALSE(f.s.documents[c.document].stream.is_open()) << "closed for the next writer";
    }
}

}  // namespace
