// Timed benchmark of the combination stage beside the comparison stage it follows.
//
// Every measurement runs in a child process of its own, so that its peak memory is its
// own: the child's maximum resident set comes back through wait4. One child stops after
// the comparison, the other goes on through the combination, so the difference of their
// peaks is what the combination adds.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "benchSupport.h"
#include "combine/combinationStage.h"
#include "compare/compare.h"
#include "input/input.h"

namespace fs = std::filesystem;
using bench::now;
using bench::split;

namespace {

// What one child reports back.
struct Figures {
    double compareSeconds = 0;
    double combineSeconds = 0;
    long chains = 0;
    long records = 0;
    long merged = 0;
    long peakMB = 0;
};

template <class Work>
Figures inChild(Work work) {
    const bench::ChildReport r = bench::inChildProcess([&] {
        const Figures f = work();
        std::ostringstream line;
        line << f.compareSeconds << " " << f.combineSeconds << " " << f.chains << " " << f.records
             << " " << f.merged;
        return line.str();
    });
    Figures f;
    std::istringstream(r.text) >> f.compareSeconds >> f.combineSeconds >> f.chains >> f.records >>
        f.merged;
    f.peakMB = r.peakMB;
    return f;
}

// The fastest of `repeats` runs of `work`, each in its own child: a shared machine only
// ever adds time.
template <class Work>
Figures fastest(int repeats, Work work) {
    Figures best = inChild(work);
    for (int k = 1; k < repeats; ++k) {
        const Figures f = inChild(work);
        if (f.compareSeconds + f.combineSeconds < best.compareSeconds + best.combineSeconds)
            best = f;
    }
    return best;
}

struct Setup {
    std::string path;
    double cutoff = 0.75;
    int threads = 1;
    int top = 50;
    int best = 50;
};

// A combination run's comparison, ranking and, when asked, combination: the reports of
// the ranking are not written, the combined-motif reports are (into a scratch folder).
Figures run(const Setup& setup, bool combine) {
    RunState s;
    std::ostringstream console;
    s.console = &console;
    s.FileNameType.push_back({fs::path(setup.path).filename().string(), 4, 0, 1});
    std::ifstream in(setup.path);
    for (ReadMotif& m : readMotifBlocks(in, s.matrixIDNum)) completeMotif(s, std::move(m), 0);
    s.numFile = 1;
    s.numTopMotif = setup.top;
    s.numBestMatches = setup.best;
    s.simCutoff = setup.cutoff;
    s.numThread = setup.threads;
    s.combinedMotifFlag = true;
    s.outputFileType = OutputType::All;
    const fs::path scratch =
        fs::temp_directory_path() / ("kelvanor-combination-bench-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    s.outputPath = scratch.string() + "/";
    s.jobID = "bench_";
    nameDocuments(s);

    Figures f;
    const double t0 = now();
    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);
    getResultsList(s);
    const double t1 = now();
    f.compareSeconds = t1 - t0;
    if (combine) {
        combineSimilarMotifs(s);
        f.combineSeconds = now() - t1;
        for (const auto* list : {&s.mergedMotifGlobalMatching,
                                 &s.mergedMotifGlobalAndLocalMatching, &s.mergedMotifBestMatches})
            for (const auto& chain : *list) {
                ++f.chains;
                for (const combinedMatrices& r : chain) {
                    ++f.records;
                    f.merged += r.mergedFlag == "Y";
                }
            }
    }
    fs::remove_all(scratch);
    return f;
}

// A whole Text run of the program on one file, type All, combining or not.
Figures wholeRun(const Setup& setup, bool combine) {
    const fs::path root =
        fs::temp_directory_path() / ("kelvanor-combination-run-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "motifs");
    fs::create_directories(root / "result");
    fs::copy_file(setup.path, root / "motifs" / "motifs.txt");
    std::ofstream(root / "answers.txt")
        << "1\n" << setup.top << "\n" << setup.best << "\n" << setup.cutoff << "\n"
        << setup.threads << "\n" << (root / "motifs").string() << "/\nmotifs.txt\n4\n14\nN\n"
        << (combine ? "Y" : "N") << "\nAll\nText\n" << (root / "result").string() << "/\n";
    const std::string command =
        "cd '" + root.string() + "' && '" KELVANOR_BIN "' < answers.txt > console.txt";
    Figures f;
    const double t0 = now();
    const int status = std::system(command.c_str());
    f.compareSeconds = status == 0 ? now() - t0 : -1.0;
    fs::remove_all(root);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    std::string files = "pfm_vertebrates.txt", threadCounts = "1,8";
    Setup setup;
    int repeats = 3;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const auto value = [&] { return k + 1 < argc ? std::string(argv[++k]) : std::string(); };
        if (a == "--files") files = value();
        else if (a == "--threads") threadCounts = value();
        else if (a == "--cutoff") setup.cutoff = std::atof(value().c_str());
        else if (a == "--top") setup.top = std::atoi(value().c_str());
        else if (a == "--best") setup.best = std::atoi(value().c_str());
        else if (a == "--repeats") repeats = std::max(1, std::atoi(value().c_str()));
        else {
            std::cerr << "usage: combination_bench [--files a,b] [--threads 1,8] [--cutoff 0.75] "
                         "[--top 50] [--best 50] [--repeats 3]\n";
            return 2;
        }
    }
    const fs::path data = bench::jasparCollections();

    std::printf("%-20s %7s | %9s %6s | %9s %6s %6s | %6s %8s %8s | %6s %6s | %6s %6s\n",
                "file", "threads", "compare s", "MB", "combine s", "+MB", "ratio", "chains",
                "records", "merged", "run s", "runMB", "run+ s", "run+MB");
    for (const std::string& file : split(files)) {
        setup.path = (data / file).string();
        if (!fs::exists(setup.path)) {
            std::fprintf(stderr, "missing %s\n", setup.path.c_str());
            return 1;
        }
        for (const std::string& t : split(threadCounts)) {
            setup.threads = std::atoi(t.c_str());
            const Figures compared = fastest(repeats, [&] { return run(setup, false); });
            const Figures combined = fastest(repeats, [&] { return run(setup, true); });
            const Figures plainRun = fastest(repeats, [&] { return wholeRun(setup, false); });
            const Figures combiningRun = fastest(repeats, [&] { return wholeRun(setup, true); });
            std::printf("%-20s %7d | %9.2f %6ld | %9.2f %6ld %6.2f | %6ld %8ld %8ld | %6.2f %6ld "
                        "| %6.2f %6ld\n",
                        file.c_str(), setup.threads, combined.compareSeconds, compared.peakMB,
                        combined.combineSeconds, combined.peakMB - compared.peakMB,
                        combined.combineSeconds / combined.compareSeconds, combined.chains,
                        combined.records, combined.merged, plainRun.compareSeconds,
                        plainRun.peakMB, combiningRun.compareSeconds, combiningRun.peakMB);
            std::fflush(stdout);
        }
    }
    return 0;
}
