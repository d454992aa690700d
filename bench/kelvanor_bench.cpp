// Timed benchmark of the comparison stage and of whole runs, beside a plain loop.
//
// Every measurement runs in a child process of its own, so that its peak memory is its
// own: the child's maximum resident set comes back through wait4.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "compare/compare.h"
#include "benchSupport.h"
#include "input/input.h"

namespace fs = std::filesystem;
using bench::inChild;
using bench::Measure;
using bench::now;
using bench::split;

namespace {

void loadMotifs(RunState& s, const std::string& path) {
    s.FileNameType.push_back({fs::path(path).filename().string(), 4, 0, 1});
    std::ifstream in(path);
    for (ReadMotif& m : readMotifBlocks(in, s.matrixIDNum)) completeMotif(s, std::move(m), 0);
    s.numFile = 1;
}

// The stage as the run does it: scans, best values, keys, grouping and best matches.
std::pair<double, long> comparisonStage(const std::string& path, double cutoff, int threads) {
    RunState s;
    loadMotifs(s, path);
    s.simCutoff = cutoff;
    s.numThread = threads;
    s.numBestMatches = 50;
    const double t0 = now();
    forwardScan(s);
    backwardScan(s);
    const double tScan = now();
    getMaxScores(s);
    calculateSumScoresCompare(s);
    const double tKeys = now();
    const auto groups = groupByFirstMotif(s.DatasetsCombinedScoreLists, s.Datasets.size(), threads);
    const double tGroups = now();
    const auto lists = selectBestMatches(s, groups, Matching::GlobalAndLocal);
    const auto ranking = rankMotifs(lists, s.commonBestScoreList);
    const double t1 = now();
    if (std::getenv("KELVANOR_BENCH_SPLIT"))
        std::fprintf(stderr, "  scans %.2f s, best values and keys %.2f s, grouping %.2f s, "
                     "selection and ranking %.2f s\n",
                     tScan - t0, tKeys - tScan, tGroups - tKeys, t1 - tGroups);
    return {t1 - t0, static_cast<long>(s.DatasetsCombinedScoreLists.size())};
}

// The same arithmetic written as one plain loop on one thread, records in one vector.
std::pair<double, long> plainLoop(const std::string& path, double cutoff) {
    RunState s;
    loadMotifs(s, path);
    const double t0 = now();
    std::vector<dataCombinedScore> out;
    const auto& m = s.Datasets;
    for (std::size_t i = 0; i < m.size(); ++i)
        for (std::size_t j = i + 1; j < m.size(); ++j) bench::plainPair(m[i], m[j], cutoff, out);
    return {now() - t0, static_cast<long>(out.size())};
}

// A whole Global-Only Text run of the program on one file.
std::pair<double, long> wholeRun(const std::string& path, double cutoff, int threads) {
    const fs::path root =
        fs::temp_directory_path() / ("kelvanor-bench-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "motifs");
    fs::create_directories(root / "result");
    fs::copy_file(path, root / "motifs" / "motifs.txt");
    std::ostringstream answers;
    answers << "1\n5\n3\n" << cutoff << "\n" << threads << "\n" << (root / "motifs").string()
            << "/\nmotifs.txt\n4\n14\nN\nN\nGlobal-Only\nText\n" << (root / "result").string()
            << "/\n";
    std::ofstream(root / "answers.txt") << answers.str();
    const std::string command =
        "cd '" + root.string() + "' && '" KELVANOR_BIN "' < answers.txt > console.txt";
    const double t0 = now();
    const int status = std::system(command.c_str());
    const double seconds = now() - t0;
    fs::remove_all(root);
    return {seconds, status == 0 ? 0L : -1L};
}

}  // namespace

int main(int argc, char** argv) {
    std::string files = "pfm_vertebrates.txt,pfm_all.txt", cutoffs = "0.5,0.75,0.9",
                threadCounts = "1,8";
    bool runs = true;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const auto value = [&] { return k + 1 < argc ? std::string(argv[++k]) : std::string(); };
        if (a == "--files") files = value();
        else if (a == "--cutoffs") cutoffs = value();
        else if (a == "--threads") threadCounts = value();
        else if (a == "--no-runs") runs = false;
        else {
            std::cerr << "usage: kelvanor_bench [--files a,b] [--cutoffs 0.5,0.75] "
                         "[--threads 1,8] [--no-runs]\n";
            return 2;
        }
    }
    const fs::path data = bench::jasparCollections();

    std::printf("%-20s %6s %7s | %9s %6s %6s | %8s %6s %6s %5s | %8s %6s\n", "file", "cutoff",
                "threads", "records", "loop s", "loopMB", "stage s", "MB", "ratio", "x1",
                "run s", "runMB");
    for (const std::string& file : split(files)) {
        const std::string path = (data / file).string();
        if (!fs::exists(path)) {
            std::fprintf(stderr, "missing %s\n", path.c_str());
            return 1;
        }
        for (const std::string& c : split(cutoffs)) {
            const double cutoff = std::atof(c.c_str());
            const Measure loop = inChild([&] { return plainLoop(path, cutoff); });
            double oneThread = 0;
            for (const std::string& t : split(threadCounts)) {
                const int threads = std::atoi(t.c_str());
                const Measure stage =
                    inChild([&] { return comparisonStage(path, cutoff, threads); });
                if (oneThread == 0) oneThread = stage.seconds;
                Measure run;
                if (runs) run = inChild([&] { return wholeRun(path, cutoff, threads); });
                std::printf("%-20s %6.2f %7d | %9ld %6.2f %6ld | %8.2f %6ld %6.2f %5.2f | "
                            "%8.2f %6ld%s\n",
                            file.c_str(), cutoff, threads, stage.records, loop.seconds,
                            loop.peakMB, stage.seconds, stage.peakMB,
                            stage.seconds / loop.seconds, stage.seconds / oneThread,
                            run.seconds, run.peakMB,
                            stage.records != loop.records ? "  RECORD COUNTS DIFFER" : "");
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
