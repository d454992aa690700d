// What every benchmark here shares: a clock, comma lists, and measuring in a child process
// so that each figure's peak memory is its own (the child's maximum resident set, from wait4).
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

inline double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
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

}  // namespace bench
