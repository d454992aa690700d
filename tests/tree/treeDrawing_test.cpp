// The generated files drawn by the real Rscript: tree images of real motifs, names that
// need quoting, and output folders with characters that R treats specially.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "compare/compare.h"
#include "compare/fixtures.h"
#include "support/support.h"
#include "tree/tree.h"
#include "tree/treeSupport.h"

namespace {

// Runs the argument list in `cwd` without a shell and waits; its exit status, or -1.
int runWithoutShell(const std::vector<std::string>& arguments, const fs::path& cwd) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (chdir(cwd.c_str()) == 0) execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Relabels a copy of the table, writes its two files into `outputPath` and draws it.
int drawTree(DistanceTable table, const std::string& outputPath, const fs::path& cwd,
             MotifTreeFiles& files) {
    files = motifTreeFiles(outputPath, "J_2024-05-06_4321_", MotifTree::AllMotifs);
    relabelDistanceMatrix(table, motifTreeLook(MotifTree::AllMotifs).labelPrefix);
    writeFile(cwd / files.matrix, distanceMatrixCsv(table));
    writeFile(cwd / files.script, treeScript(files.matrix, files.image));
    return runWithoutShell(treeDrawingCommand(files.script), cwd);
}

// Distances between evenly spaced points, so any names give a drawable table.
DistanceTable lineOfMotifs(const std::vector<std::string>& names) {
    DistanceTable table(names.size() + 1, std::vector<std::string>(names.size() + 1));
    for (std::size_t k = 1; k <= names.size(); ++k) table[0][k] = table[k][0] = names[k - 1];
    for (std::size_t r = 1; r <= names.size(); ++r)
        for (std::size_t c = 1; c <= names.size(); ++c)
            table[r][c] = std::to_string(r > c ? r - c : c - r);
    return table;
}

TEST(motifTreeDrawing, realMotifsGiveA700PixelSquareImage) {
    // Fewer than ten motifs are cut into as many clusters as there are motifs.
    const std::pair<const char*, std::size_t> cases[] = {
        {"jaspar2016_rsat/pfm_nematodes.txt", 2},
        {"jaspar2016_rsat/pfm_nematodes.txt", 4},
        {"jaspar2016_rsat/pfm_vertebrates.txt", 50},
    };
    for (const auto& [file, count] : cases) {
        RunState s = stateWith({}, 0.75, 2);
        if (!loadMotifFiles(s, {file}, count)) FAIL() << kMissingMotifData;
        ASSERT_EQ(s.Datasets.size(), count);
        s.motifCluster = "Y";
        forwardScan(s);
        backwardScan(s);
        getMaxScores(s);
        calculateSumScoresCompare(s);
        fillDistanceMatrix(s, groupByFirstMotif(s.DatasetsCombinedScoreLists, count, 2));

        Workspace w;
        MotifTreeFiles files;
        EXPECT_EQ(drawTree(s.distanceMatrix, w.result().string() + "/", w.root, files), 0)
            << count;
        EXPECT_EQ(pngSize(files.image), (PngSize{700, 700})) << count;
    }
}

TEST(motifTreeDrawing, namesWithCommasAndQuotesReadBackAsTheirOwnRows) {
    Workspace w;
    MotifTreeFiles files;
    const DistanceTable table =
        lineOfMotifs({"TF,1", "say \"hi\"", "it's", "plain", "x, \"y\", z"});
    ASSERT_EQ(drawTree(table, w.result().string() + "/", w.root, files), 0);
    EXPECT_EQ(pngSize(files.image), (PngSize{700, 700}));

    const fs::path readBack = w.root / "readBack.R", seen = w.root / "seen.txt";
    writeFile(readBack, "tb = read.csv('" + rPathText(files.matrix, RPathUse::ReadFile) +
                            "', row.names = 1)\n"
                            "m = as.matrix(tb)\n"
                            "writeLines(c(paste(dim(tb), collapse = ' '), rownames(tb),\n"
                            "  apply(m[, -ncol(m)], 1, paste, collapse = ' '),\n"
                            "  all(is.na(m[, ncol(m)]))), '" +
                            rPathText(seen.string(), RPathUse::ReadFile) + "')\n");
    ASSERT_EQ(runWithoutShell({"Rscript", readBack.string()}, w.root), 0);
    EXPECT_EQ(slurp(seen),
              "5 6\n"
              "I1_TF,1\n"
              "I2_say \"hi\"\n"
              "I3_it's\n"
              "I4_plain\n"
              "I5_x, \"y\", z\n"
              "0 1 2 3 4\n"
              "1 0 1 2 3\n"
              "2 1 0 1 2\n"
              "3 2 1 0 1\n"
              "4 3 2 1 0\n"
              "TRUE\n");
}

TEST(motifTreeDrawing, oddOutputFoldersGetEveryFileAndNothingLandsElsewhere) {
    struct Case {
        const char* folder;  // below the scratch folder, where the program starts
        const char* outputPath;
    } cases[] = {
        {"my it's dir", "my it's dir/"},
        {"back\\slash", "back\\slash/"},
        {"100%done", "100%done/"},
        {"~/result", "~/result/"},
    };
    for (const Case& c : cases) {
        Workspace w;
        fs::create_directories(w.root / c.folder);
        MotifTreeFiles files;
        EXPECT_EQ(drawTree(lineOfMotifs({"a", "b", "c", "d"}), c.outputPath, w.root, files), 0)
            << c.folder;
        EXPECT_EQ(pngSize(w.root / files.image), (PngSize{700, 700})) << c.folder;

        std::vector<fs::path> made;
        for (const auto& e : fs::recursive_directory_iterator(w.root))
            if (e.is_regular_file()) made.push_back(fs::relative(e.path(), w.root));
        std::sort(made.begin(), made.end());
        const fs::path inside = c.folder;
        EXPECT_EQ(made, (std::vector<fs::path>{inside / "J_2024-05-06_4321_Distance_Matrix.csv",
                                               inside / "J_2024-05-06_4321_Motif_Tree.png",
                                               inside / "J_2024-05-06_4321_Plot_File.R"}))
            << c.folder;
    }
}

}  // namespace
