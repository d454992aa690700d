// The real JASPAR 2016 collections of the shared data, read as the catalogue's databases.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>

#include "database/databaseReaders.h"
#include "support/support.h"

namespace {

// The shared copy of a catalogue file: "/databases/jaspar/jaspar_pfm_all.txt" is "pfm_all.txt".
std::string sharedName(const DatabaseEntry& e) {
    const std::string file = fs::path(e.file).filename().string();
    return file.substr(file.find("pfm_"));
}

TEST(realJasparCollections, readEveryMotifWithItsNumberAndAnnotation) {
    const std::string folder = motifDataPath("jaspar2016_rsat");
    ASSERT_FALSE(folder.empty())
        << "the shared motif collection (jaspar2016_rsat/) is missing; these checks need it "
           "(set KELVANOR_MOTIF_DATA to its motifs/ folder)";
    // Counts as the files hold them: one header line per motif.
    const std::map<std::string, std::size_t> counts{
        {"pfm_all.txt", 1209},   {"pfm_fungi.txt", 177},     {"pfm_insects.txt", 139},
        {"pfm_nematodes.txt", 26}, {"pfm_plants.txt", 231}, {"pfm_urochordates.txt", 1},
        {"pfm_vertebrates.txt", 635}};
    std::size_t collections = 0;
    for (const DatabaseEntry& e : databaseCatalogue()) {
        if (e.layout != DatabaseLayout::Jaspar) continue;
        ++collections;
        const std::string name = sharedName(e);
        std::ifstream in(fs::path(folder) / name);
        ASSERT_TRUE(in.is_open()) << name;
        const std::vector<data> motifs = readDatabaseMotifs(in, e);
        ASSERT_TRUE(counts.contains(name)) << name;
        EXPECT_EQ(motifs.size(), counts.at(name)) << name;
        for (std::size_t i = 0; i < motifs.size(); ++i) {
            const data& m = motifs[i];
            const std::string at = name + " motif " + std::to_string(i + 1);
            ASSERT_EQ(m.motifID, static_cast<std::int64_t>(i + 1)) << at;
            ASSERT_EQ(m.motifNumber, m.motifID) << at;
            // The files' headers hold two tokens: with the key of all collections the
            // annotation, header token three, is empty.
            ASSERT_EQ(m.motifAnnotation, e.annotation) << at;
            ASSERT_EQ(m.dbMotifID.rfind("MA", 0), 0u) << at << " " << m.dbMotifID;
            ASSERT_FALSE(m.motifName.empty()) << at;
            ASSERT_GE(m.matrix.size(), 4u) << at;
            ASSERT_EQ(m.revCompMatrix.size(), m.matrix.size()) << at;
            ASSERT_FALSE(m.consensus.empty()) << at;
            for (const Row& r : m.matrix) {
                for (double v : r) ASSERT_FALSE(std::isnan(v)) << at;
                ASSERT_NEAR(r[0] + r[1] + r[2] + r[3], 1.0, 1e-12) << at;
            }
        }
    }
    EXPECT_EQ(collections, counts.size());
}

TEST(realJasparCollections, theFirstMotifKeepsItsExactQuotients) {
    const std::string path = motifDataPath("jaspar2016_rsat/pfm_all.txt");
    ASSERT_FALSE(path.empty()) << "the shared motif collection (jaspar2016_rsat/) is missing";
    std::ifstream in(path);
    const std::vector<data> motifs = readDatabaseMotifs(in, *findDatabase("jasparAll"));
    ASSERT_FALSE(motifs.empty());
    const data& m = motifs.front();
    EXPECT_EQ(m.dbMotifID, "MA0001.1");
    EXPECT_EQ(m.motifName, "AGL3");
    ASSERT_EQ(m.matrix.size(), 10u);
    // A [ 0 ...], C [94 ...], G [ 1 ...], T [ 2 ...]: the first position totals 97.
    EXPECT_EQ(m.matrix[0], (Row{0.0 / 97, 94.0 / 97, 1.0 / 97, 2.0 / 97}));
    // The last position: 0, 3, 88, 6.
    EXPECT_EQ(m.matrix[9], (Row{0.0 / 97, 3.0 / 97, 88.0 / 97, 6.0 / 97}));
}

}  // namespace
