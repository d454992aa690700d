// The reading stage: the catalogue's file below the working folder, its failures, the
// warning on motifs without positions, and the diagnostic files.
#include <gtest/gtest.h>

#include <unistd.h>

#include "database/databaseListings.h"
#include "database/databaseMatching.h"
#include "support/support.h"

namespace {

// Runs `work` with the working folder moved to `folder`, and back again.
template <typename Work>
void inFolder(const fs::path& folder, Work work) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    work();
    fs::current_path(before);
}

// Reads the catalogue's database `key` from below `folder` into s; returns its warnings.
std::string readFrom(const fs::path& folder, const char* key, RunState& s) {
    s.DBName = findDatabase(key);
    std::ostringstream warnings;
    s.warnings = &warnings;
    inFolder(folder, [&] { readDatabase(s); });
    s.warnings = &std::cerr;
    return warnings.str();
}

TEST(readDatabase, readsTheChosenFileBelowTheWorkingFolderAndKeepsItsPath) {
    Workspace w;
    fs::create_directories(w.root / "databases/uniprobe");
    std::ofstream(w.root / "databases/uniprobe/uniprobe_mouse.txt")
        << ">UP1 a\nA: 1 0 0 0\nC: 0 1 0 0\nG: 0 0 1 0\nT: 0 0 0 1\n\n>UP2 b\nA: 1\nC: 1\nG: 1\nT: 1\n";
    RunState s;
    const std::string warnings = readFrom(w.root, "uniprobeMouse", s);
    ASSERT_EQ(s.DatabaseDatasets.size(), 2u);
    EXPECT_EQ(s.DatabaseDatasets[1].motifName, "b");
    EXPECT_EQ(s.DatabaseDatasets[1].motifAnnotation, "Mus musculus");
    EXPECT_EQ(fs::path(s.uniprobeDB), w.root / "databases/uniprobe/uniprobe_mouse.txt");
    EXPECT_TRUE(s.jasparDB.empty());
    EXPECT_EQ(warnings, "");
}

TEST(readDatabaseDeathTest, aFileThatCannotBeReadEndsTheRunAndStandardErrorNamesIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Workspace w;
    RunState s;
    s.console = &std::cerr;  // what the death test can see, after the warnings
    s.DBName = findDatabase("jasparPlants");
    // The death test runs in a process of its own, with a workspace of its own.
    const std::string told =
        "^Error: the database file /[^\n]*/databases/jaspar/jaspar_pfm_plants\\.txt could not "
        "be opened\\.\nInvalid input path or file name\\.\n$";
    EXPECT_EXIT(inFolder(w.root, [&] { readDatabase(s); }), testing::ExitedWithCode(1), told);
    // A folder in its place opens, but holds no file to read.
    fs::create_directories(w.root / "databases/jaspar/jaspar_pfm_plants.txt");
    EXPECT_EXIT(inFolder(w.root, [&] { readDatabase(s); }), testing::ExitedWithCode(1), told);
    // A working folder that is gone cannot be told; the run ends the same way.
    const fs::path gone = w.root / "gone";
    EXPECT_EXIT(
        {
            fs::create_directories(gone / "databases/jaspar");
            std::ofstream(gone / "databases/jaspar/jaspar_pfm_plants.txt") << "";
            fs::current_path(gone);
            fs::remove_all(gone);
            readDatabase(s);
        },
        testing::ExitedWithCode(1),
        "^Error: the working folder cannot be read, so the database file "
        "/databases/jaspar/jaspar_pfm_plants\\.txt below it cannot be found\\.\n"
        "Invalid input path or file name\\.\n$");
}

TEST(readDatabase, aFileThatYieldsNoMotifIsNamedInOneWarningAndTheRunGoesOn) {
    Workspace w;
    fs::create_directories(w.root / "databases/jaspar");
    const fs::path file = w.root / "databases/jaspar/jaspar_pfm_fungi.txt";
    for (const char* text : {"", "\n\n\n", " \t\r\n\n"}) {
        std::ofstream(file) << text;
        RunState s;
        const std::string warnings = readFrom(w.root, "jasparFungi", s);
        EXPECT_TRUE(s.DatabaseDatasets.empty());
        EXPECT_EQ(warnings, "Warning: the database file " + file.string() +
                                      " holds no motif; nothing is matched against it.\n")
            << text;
    }
}

// Names come from the file as they stand; a terminal must not obey what they hold.
TEST(readDatabase, namesInWarningsReachTheTerminalWithTheirControlCharactersEscaped) {
    Workspace w;
    fs::create_directories(w.root / "databases/uniprobe");
    std::ofstream(w.root / "databases/uniprobe/uniprobe_worm.txt", std::ios::binary)
        << ">UP1\tred\x1b[31m\x07\x9b" "2J\nA: x\nC: 1\nG: 1\nT: 1\n";
    RunState s;
    const std::string warnings = readFrom(w.root, "uniprobeWorm", s);
    ASSERT_EQ(s.DatabaseDatasets.size(), 1u);
    EXPECT_EQ(warnings,
              "Warning: 1 database motif has no positions and takes no part in the matching: "
              "1 red\\x1b[31m\\x07\\x9b2J\n");
}

TEST(motifsWithoutPositionsWarning, namesEveryDamagedMotifByNumberAndName) {
    const auto motif = [](std::int64_t id, const char* name, Matrix m) {
        data d;
        d.motifID = id;
        d.motifName = name;
        d.matrix = std::move(m);
        return d;
    };
    const Matrix one{{0.25, 0.25, 0.25, 0.25}};
    EXPECT_EQ(motifsWithoutPositionsWarning({motif(1, "a", one)}), "");
    EXPECT_EQ(motifsWithoutPositionsWarning({motif(1, "a", one), motif(2, "b", {})}),
              "Warning: 1 database motif has no positions and takes no part in the matching: 2 b");
    EXPECT_EQ(motifsWithoutPositionsWarning({motif(1, "a", {}), motif(2, "b", one),
                                             motif(3, "c d", {})}),
              "Warning: 2 database motifs have no positions and take no part in the matching: "
              "1 a, 3 c d");
}

TEST(databaseDiagnosticFiles, goToTheOutputFolderWithoutTheJobIdentifier) {
    Workspace w;
    RunState s;
    placeDocuments(s, w);
    s.DBName = findDatabase("transfac");
    data m;
    m.motifID = 1;
    m.motifName = "AHR";
    m.motifAnnotation = "Drosophila";
    m.dbMotifID = "M00001";
    m.matrix = {{0.25, 0.25, 0.25, 0.25}};
    s.DatabaseDatasets = {m};
    writeDatabaseListingFile(s);
    writeCombinedScoreDatabaseFile(s);
    EXPECT_EQ(slurp(w.result() / "transfac_motifs.txt"),
              "Motif name: AHR\nTaxon: Drosophila\nAC: M00001\n"
              "0.250000\t0.250000\t0.250000\t0.250000\t\n\n\n");
    EXPECT_EQ(slurp(w.result() / kCombinedScoreDatabaseFileName),
              "------------------ Combined score list ----------------\n");
    // A folder that cannot take them is passed over in silence.
    s.outputPath = (w.root / "missing" / "").string();
    writeDatabaseListingFile(s);
    writeCombinedScoreDatabaseFile(s);
    EXPECT_FALSE(fs::exists(w.root / "missing"));
}

}  // namespace
