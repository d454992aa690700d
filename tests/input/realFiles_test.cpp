// Every real motif file of the shared collection reads without harm.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>

#include "input/input.h"
#include "support/support.h"

namespace {

TEST(realMotifFiles, readWithoutNaNAndWithTheExpectedCounts) {
    const std::string root = motifDataPath("");
    if (root.empty()) FAIL() << kMissingMotifData;
    // Files whose motif count is known from their layout; every other file must merely
    // read without harm (many start with a paragraph that fits no shape and yield none).
    const std::map<std::string, std::size_t> known{
        {"pfm_all.txt", 1209}, {"pfm_vertebrates.txt", 635}, {"pfm_fungi.txt", 177},
        {"pfm_insects.txt", 139}, {"pfm_nematodes.txt", 26},  {"pfm_plants.txt", 231},
        {"pfm_urochordates.txt", 1}, {"test.jaspar", 4},       {"MA0056.1.transfac", 1},
        {"SRF.pfm", 1}, {"REB1.pfm", 1}};
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.rfind("LICENSE", 0) == 0 ||
            name.rfind("COPYING", 0) == 0 || name == "README.md")
            continue;
        ++files;
        std::ifstream in(entry.path());
        const auto motifs = readMotifBlocks(in, 1);
        if (auto k = known.find(name); k != known.end()) {
            EXPECT_EQ(motifs.size(), k->second) << name;
        }
        for (const ReadMotif& m : motifs)
            for (const Row& r : m.matrix) {
                double sum = 0;
                for (double v : r) {
                    ASSERT_FALSE(std::isnan(v)) << name << " " << m.motifName;
                    sum += v;
                }
                // Consensus rows of three bases sum to 0.9999 by design.
                EXPECT_NEAR(sum, 1.0, 2e-4) << name << " " << m.motifName;
            }
    }
    EXPECT_GE(files, 25);
}

}  // namespace
