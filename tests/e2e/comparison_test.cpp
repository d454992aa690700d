// Whole runs on real motifs: the reports must not depend on the thread count.
#include <gtest/gtest.h>

#include "support/support.h"

namespace {

// Every report of one run on two real motif files, masked, by file name.
std::vector<std::pair<std::string, std::string>> reportsOf(int threads) {
    Workspace w;
    for (const char* name : {"pfm_nematodes.txt", "pfm_insects.txt"}) {
        const std::string path = motifDataPath(std::string("jaspar2016_rsat/") + name);
        if (path.empty()) return {};
        fs::copy_file(path, w.motifs() / name);
    }
    Answers a;
    a.numFiles = "2";
    a.topMotifs = "10";
    a.bestMatches = "5";
    a.cutoff = "0.75";
    a.threads = std::to_string(threads);
    a.inputFolder = w.inputFolder();
    a.files = {{"pfm_nematodes.txt", "4"}, {"pfm_insects.txt", "4"}};
    a.type = "All";
    a.format = "All";
    a.outputFolder = w.result().string();
    const RunResult r = runProgram(w.root, a.text(), threads);
    EXPECT_EQ(r.status, 0) << r.console << r.errors;
    std::vector<std::pair<std::string, std::string>> reports;
    for (const fs::path& p : w.outputs()) {
        const std::string name = masked(p.filename().string());
        if (name.find("Results") != std::string::npos)
            reports.emplace_back(name, masked(slurp(p)));
    }
    return reports;
}

TEST(endToEnd, reportsAreIdenticalOnOneAndEightThreads) {
    const auto one = reportsOf(1);
    if (one.empty()) FAIL() << kMissingMotifData;
    const auto eight = reportsOf(8);
    ASSERT_EQ(one.size(), 5u);
    ASSERT_EQ(eight.size(), one.size());
    for (std::size_t k = 0; k < one.size(); ++k) {
        EXPECT_EQ(one[k].first, eight[k].first);
        EXPECT_GT(one[k].second.size(), 1000u) << one[k].first;
        EXPECT_TRUE(one[k].second == eight[k].second) << one[k].first << " differs";
    }
}

}  // namespace
