// Timed benchmark of the database stage of a run, beside a plain loop over the same pairs.
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

#include "database/databaseMatching.h"
#include "database/databaseReaders.h"
#include "documents/documents.h"
#include "benchSupport.h"
#include "input/input.h"

namespace fs = std::filesystem;
using bench::inChild;
using bench::Measure;
using bench::now;
using bench::split;

namespace {

struct Files {
    std::string input;     // one input motif file
    std::string database;  // the reference collection, laid out as "jasparAll"
};

// A run folder with the input file, the database below it and a result folder; the state
// answered as a run of type All, format Text, one input file, top 5, best 3.
fs::path layOut(RunState& s, const Files& f, double cutoff, int threads) {
    const fs::path root = fs::temp_directory_path() / ("kelvanor-dbbench-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "motifs");
    fs::create_directories(root / "result");
    fs::create_directories(root / "databases/jaspar");
    fs::copy_file(f.input, root / "motifs/input.txt");
    fs::copy_file(f.database, root / "databases/jaspar/jaspar_pfm_all.txt");
    static std::ostringstream quiet;
    s.console = &quiet;
    s.inputPath = (root / "motifs").string() + "/";
    s.outputPath = (root / "result").string() + "/";
    s.jobID = "J_bench_";
    s.numFile = 1;
    s.numTopMotif = 5;
    s.numBestMatches = 3;
    s.simCutoff = cutoff;
    s.numThread = threads;
    s.DBName = findDatabase("jasparAll");
    s.outputFileType = OutputType::All;
    s.outputFileFormat = OutputFormat::Text;
    s.FileNameType = {{"input.txt", 4, 0, 1}};
    readInput(s, s.FileNameType);
    nameDocuments(s);
    return root;
}

// Step 15 of a run as the driver calls it (no logos with format Text), from reading the
// database to the last database report section.
std::pair<double, long> databaseStage(const Files& f, double cutoff, int threads) {
    RunState s;
    const fs::path root = layOut(s, f, cutoff, threads);
    writeHeaders(s);
    fs::current_path(root);
    const double t0 = now();
    readDatabase(s);
    forwardScanDatabase(s);
    backwardScanDatabase(s);
    const double tScan = now();
    getMaxScoresDatabase(s);
    calculateSumScoresCompareDatabase(s);
    const double tKeys = now();
    getDatabaseResultsList(s);
    const double tLists = now();
    forwardScanDatabaseGlobal(s);
    backwardScanDatabaseGlobal(s);
    getMaxScoresDatabaseGlobal(s);
    calculateSumScoresCompareDatabaseGlobal(s);
    getDatabaseGlobalResultsList(s);
    const double t1 = now();
    if (std::getenv("KELVANOR_BENCH_SPLIT"))
        std::fprintf(stderr, "  %d threads: reading and scans %.2f s, keys %.2f s, lists and "
                     "sections %.2f s, global chain %.2f s\n",
                     threads, tScan - t0, tKeys - tScan, tLists - tKeys, t1 - tLists);
    const long records = static_cast<long>(s.DatasetsCombinedScoreDatabaseLists.size());
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
    return {t1 - t0, records};
}

// The same arithmetic as one plain loop on one thread, records appended to one vector.
std::pair<double, long> plainLoop(const Files& f, double cutoff) {
    RunState s;
    const fs::path root = layOut(s, f, cutoff, 1);
    std::ifstream in(f.database);
    const std::vector<data> database = readDatabaseMotifs(in, *findDatabase("jasparAll"));
    const double t0 = now();
    std::vector<dataCombinedScore> out;
    for (const data& input : s.Datasets)
        for (const data& db : database) bench::plainPair(input, db, cutoff, out);
    const double seconds = now() - t0;
    fs::remove_all(root);
    return {seconds, static_cast<long>(out.size())};
}

}  // namespace

int main(int argc, char** argv) {
    std::string input = "pfm_vertebrates.txt", database = "pfm_all.txt", cutoffs = "0.75",
                threadCounts = "1,8";
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const auto value = [&] { return k + 1 < argc ? std::string(argv[++k]) : std::string(); };
        if (a == "--input") input = value();
        else if (a == "--database") database = value();
        else if (a == "--cutoffs") cutoffs = value();
        else if (a == "--threads") threadCounts = value();
        else {
            std::cerr << "usage: kelvanor_database_bench [--input pfm_vertebrates.txt] "
                         "[--database pfm_all.txt] [--cutoffs 0.75] [--threads 1,8]\n";
            return 2;
        }
    }
    const fs::path data = bench::jasparCollections();
    const Files files{(data / input).string(), (data / database).string()};
    for (const std::string& p : {files.input, files.database})
        if (!fs::exists(p)) {
            std::fprintf(stderr, "missing %s\n", p.c_str());
            return 1;
        }

    std::printf("%-20s %-12s %6s %7s | %9s %6s %6s | %8s %6s %6s %5s\n", "input", "database",
                "cutoff", "threads", "records", "loop s", "loopMB", "stage s", "MB", "ratio", "x1");
    for (const std::string& c : split(cutoffs)) {
        const double cutoff = std::atof(c.c_str());
        const Measure loop = inChild([&] { return plainLoop(files, cutoff); });
        double oneThread = 0;
        for (const std::string& t : split(threadCounts)) {
            const int threads = std::atoi(t.c_str());
            const Measure stage = inChild([&] { return databaseStage(files, cutoff, threads); });
            if (oneThread == 0) oneThread = stage.seconds;
            std::printf("%-20s %-12s %6.2f %7d | %9ld %6.2f %6ld | %8.2f %6ld %6.2f %5.2f%s\n",
                        input.c_str(), database.c_str(), cutoff, threads, stage.records,
                        loop.seconds, loop.peakMB, stage.seconds, stage.peakMB,
                        stage.seconds / loop.seconds, stage.seconds / oneThread,
                        stage.records != loop.records ? "  RECORD COUNTS DIFFER" : "");
            std::fflush(stdout);
        }
    }
    return 0;
}
