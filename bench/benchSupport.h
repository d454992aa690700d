// What every benchmark here shares: a clock, comma lists, and measuring in a child process
// so that each figure's peak memory is its own (the child's maximum resident set, from wait4).
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/records.h"

namespace bench {

inline double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The JASPAR collections of the shared motif data; KELVANOR_MOTIF_DATA names another copy.
inline std::filesystem::path jasparCollections() {
    const char* env = std::getenv("KELVANOR_MOTIF_DATA");
    return std::filesystem::path(env ? env : KELVANOR_MOTIF_DATA) / "jaspar2016_rsat";
}

inline std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string p; std::getline(in, p, ',');) parts.push_back(p);
    return parts;
}

// What a child sent back, and the child's peak memory.
struct ChildReport {
    std::string text;
    long peakMB = 0;
};

// Runs `work` in a child process; `work` returns the line the child sends back.
template <class Work>
ChildReport inChildProcess(Work work) {
    int fd[2];
    if (pipe(fd) != 0) std::exit(2);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fd[0]);
        const std::string line = work() + "\n";
        if (write(fd[1], line.data(), line.size()) < 0) _exit(3);
        _exit(0);
    }
    close(fd[1]);
    char buffer[256] = {};
    ChildReport report;
    for (ssize_t n; (n = read(fd[0], buffer, sizeof buffer)) > 0;)
        report.text.append(buffer, static_cast<std::size_t>(n));
    close(fd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    report.peakMB = usage.ru_maxrss / 1024;
    return report;
}

struct Measure {
    double seconds = 0;
    long records = 0;
    long peakMB = 0;
};

// Runs `work` in a child; `work` returns its own seconds and a record count.
template <class Work>
Measure inChild(Work work) {
    const ChildReport r = inChildProcess([&] {
        const auto [seconds, records] = work();
        return std::to_string(seconds) + " " + std::to_string(records);
    });
    Measure m;
    std::istringstream(r.text) >> m.seconds >> m.records;
    m.peakMB = r.peakMB;
    return m;
}

// The baseline of the scan benchmarks: one pair of motifs written as one plain loop, both
// directions, both record orders, the four strand pairings with the scans' additions,
// accepted records appended to `out`. No threads, no keys, no grouping.
inline void plainPair(const data& i, const data& j, double cutoff,
                      std::vector<dataCombinedScore>& out) {
    if (i.matrix.size() < 4 || j.matrix.size() < 4) return;
    for (int backward = 0; backward < 2; ++backward)
        for (int mirrored = 0; mirrored < 2; ++mirrored) {
            const data& F = mirrored ? j : i;
            const data& S = mirrored ? i : j;
            const int lf = static_cast<int>(F.matrix.size());
            const int ls = static_cast<int>(S.matrix.size());
            const Matrix* fm[2] = {&F.matrix, &F.revCompMatrix};
            const Matrix* sm[2] = {&S.matrix, &S.revCompMatrix};
            for (int sh = 0; sh <= ls - 4; ++sh) {
                const int n = std::min(lf, ls - sh);
                double sum[4] = {0, 0, 0, 0};
                for (int t = 0; t < n; ++t) {
                    const int fr = backward ? lf - 1 - t : t;
                    const int sr = backward ? ls - 1 - t - sh : sh + t;
                    for (int c = 0; c < 4; ++c)
                        for (int p = 0; p < 4; ++p) {
                            // Pairing p: strand of i is p / 2, strand of j is p % 2.
                            const int fs = mirrored ? p % 2 : p / 2;
                            const int ss = mirrored ? p / 2 : p % 2;
                            sum[p] += 1.0 - std::fabs((*fm[fs])[fr][c] - (*sm[ss])[sr][c]);
                        }
                }
                int w = 0;
                for (int p = 1; p < 4; ++p)
                    if (sum[p] / (4.0 * n) > sum[w] / (4.0 * n)) w = p;
                const double score = sum[w] / (4.0 * n);
                if (score >= cutoff) {
                    dataCombinedScore r;
                    r.motifID1 = static_cast<std::int32_t>(F.motifID);
                    r.motifID2 = static_cast<std::int32_t>(S.motifID);
                    r.position = sh + 1;
                    r.overlapLength = n;
                    r.alignmentScore = score;
                    out.push_back(r);
                }
            }
        }
}

}  // namespace bench
