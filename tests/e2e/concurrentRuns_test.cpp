// Runs started together into one output folder each keep their own complete reports.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <thread>

#include "support/support.h"

namespace {

TEST(concurrentRuns, runsStartedAtOnceNeverShareAJobIdentifier) {
    Workspace w;
    for (const char* name : {"pfm_nematodes.txt", "pfm_insects.txt"}) {
        const std::string path = motifDataPath(std::string("jaspar2016_rsat/") + name);
        if (path.empty()) FAIL() << kMissingMotifData;
        fs::copy_file(path, w.motifs() / name);
    }
    // Each run its own cutoff, so that a report overwritten by another run shows.
    const std::vector<std::string> cutoffs = {"0.5", "0.6", "0.7", "0.75", "0.8", "0.85"};
    std::vector<RunResult> results(cutoffs.size());
    std::vector<std::thread> runs;
    for (std::size_t k = 0; k < cutoffs.size(); ++k) {
        const fs::path cwd = w.root / std::string("run").append(std::to_string(k));
        fs::create_directory(cwd);
        Answers a;
        a.numFiles = "2";
        a.cutoff = cutoffs[k];
        a.inputFolder = w.inputFolder();
        a.files = {{"pfm_nematodes.txt", "4"}, {"pfm_insects.txt", "4"}};
        a.outputFolder = w.result().string();
        runs.emplace_back([&results, k, cwd, text = a.text()] { results[k] = runProgram(cwd, text); });
    }
    for (std::thread& t : runs) t.join();
    for (const RunResult& r : results) EXPECT_EQ(r.status, 0) << r.console << r.errors;

    // Every run: its own identifier, its input-motif file and its report, whole.
    std::map<std::string, std::string> cutoffOfJob;
    for (const fs::path& report : w.outputs("Results_Global_Matching.txt")) {
        const std::string name = report.filename().string();
        const std::string job = name.substr(0, name.size() - std::string("Results_Global_Matching.txt").size());
        const std::string text = slurp(report);
        const std::size_t at = text.find("Similarity cutoff: >= ");
        ASSERT_NE(at, std::string::npos) << name;
        cutoffOfJob[job] = text.substr(at + 22, text.find('\n', at) - at - 22);
        EXPECT_NE(text.find("Runtime: "), std::string::npos) << name << " has no footer";
        EXPECT_FALSE(slurp(w.result() / (job + "input_motifs.txt")).empty()) << job;
    }
    std::set<std::string> seen;
    for (const auto& [job, cutoff] : cutoffOfJob) seen.insert(cutoff);
    EXPECT_EQ(cutoffOfJob.size(), cutoffs.size()) << "a run's reports were overwritten";
    EXPECT_EQ(seen, std::set<std::string>(cutoffs.begin(), cutoffs.end()));
}

}  // namespace
