// Times the logo stage of an HTML run: every input motif's two logos, and with --database
// every database motif's too, drawn by the real generator on 1 and on more threads.
#include <sys/wait.h>
#include <unistd.h>

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
#include "database/databaseReaders.h"
#include "documents/documents.h"
#include "input/input.h"

namespace fs = std::filesystem;
using bench::now;
using bench::split;

namespace {

struct Result {
    double seconds = 0;
    std::size_t images = 0;
    std::size_t warnings = 0;
};

// One measurement in a scratch run folder laid out as a user's: motifs/, result/ and the
// generator beside them.
Result drawAll(const fs::path& inputFile, const fs::path& databaseFile, int threads, int limit) {
    const fs::path root = fs::temp_directory_path() /
                          ("kelvanor-logo-bench-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "motifs");
    fs::create_directories(root / "result");
    fs::create_directory_symlink(fs::path(KELVANOR_SOURCE_DIR) / "tools" / "weblogo-3.4",
                                 root / "weblogo-3.4");
    RunState s;
    std::ostringstream warnings;
    s.warnings = &warnings;
    s.inputPath = (root / "motifs").string() + "/";
    s.outputPath = (root / "result").string() + "/";
    s.jobID = "J_bench_";
    s.numThread = threads;
    {
        std::ifstream in(inputFile);
        s.FileNameType.push_back({inputFile.filename().string(), 4, 0, 1});
        for (ReadMotif& m : readMotifBlocks(in, 1)) completeMotif(s, std::move(m), 0);
        if (limit > 0 && s.Datasets.size() > static_cast<std::size_t>(limit))
            s.Datasets.resize(static_cast<std::size_t>(limit));
    }
    if (!databaseFile.empty()) {
        std::ifstream in(databaseFile);
        s.DatabaseDatasets = readDatabaseMotifs(in, *findDatabase("jasparAll"));
        if (limit > 0 && s.DatabaseDatasets.size() > static_cast<std::size_t>(limit))
            s.DatabaseDatasets.resize(static_cast<std::size_t>(limit));
    }
    const double t0 = now();
    writeMotif(s);
    if (!databaseFile.empty()) writeDatabaseMotif(s);
    Result r;
    r.seconds = now() - t0;
    for (const auto& e : fs::directory_iterator(root / "result" / "J_bench_image"))
        if (e.path().extension() == ".jpeg") ++r.images;
    const std::string text = warnings.str();
    for (char c : text) r.warnings += c == '\n';
    fs::remove_all(root);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file = "pfm_vertebrates.txt", database, threadCounts = "1,8";
    int limit = 0;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const auto value = [&] { return k + 1 < argc ? std::string(argv[++k]) : std::string(); };
        if (a == "--file") file = value();
        else if (a == "--database") database = value();
        else if (a == "--threads") threadCounts = value();
        else if (a == "--limit") limit = std::atoi(value().c_str());
        else {
            std::cerr << "usage: kelvanor_logo_bench [--file pfm_vertebrates.txt] "
                         "[--database pfm_all.txt] [--threads 1,8] [--limit motifs]\n";
            return 2;
        }
    }
    const fs::path data = bench::jasparCollections();
    const fs::path inputFile = data / file;
    const fs::path databaseFile = database.empty() ? fs::path() : data / database;
    if (!fs::exists(inputFile) || (!database.empty() && !fs::exists(databaseFile))) {
        std::fprintf(stderr, "missing motif data below %s\n", data.c_str());
        return 1;
    }
    std::printf("%-20s %-14s %7s | %7s %9s %8s %6s\n", "input", "database", "threads", "images",
                "warnings", "logo s", "x1");
    double oneThread = 0;
    for (const std::string& t : split(threadCounts)) {
        const int threads = std::atoi(t.c_str());
        const Result r = drawAll(inputFile, databaseFile, threads, limit);
        if (oneThread == 0) oneThread = r.seconds;
        std::printf("%-20s %-14s %7d | %7zu %9zu %8.1f %6.2f\n", file.c_str(),
                    database.empty() ? "-" : database.c_str(), threads, r.images, r.warnings,
                    r.seconds, r.seconds / oneThread);
        std::fflush(stdout);
    }
    return 0;
}
