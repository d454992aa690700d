// Starting, waiting for, judging and, when the user stops the run, stopping outside programs.
#include "state/outsideProgram.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

extern char** environ;

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};
constexpr std::size_t kStopSignalCount = std::size(kStopSignals);
// How long stopped programs get to end on SIGTERM before their groups are killed: R and
// Python clean up within it, a program that ignores SIGTERM never would.
constexpr std::chrono::milliseconds kGrace{2000};
// How often the grace period looks whether a group has emptied.
constexpr int kGroupPollMilliseconds = 20;

// What the signal handler may touch. The pipe wakes the waiting loop on every signal of
// interest, whichever thread took it; it lives as long as the process, so a handler still
// running on another thread never writes into a descriptor that was reused.
volatile std::sig_atomic_t noted = 0;
int wakeRead = -1;
int wakeWrite = -1;
bool stageOpen = false;

struct Dispositions {
    struct sigaction stop[kStopSignalCount];
    bool caught[kStopSignalCount];
    struct sigaction child;
    struct sigaction terminalOutput;
} saved;

extern "C" void noteSignal(int signal) {
    const int savedErrno = errno;
    if (signal != SIGCHLD && noted == 0) noted = signal;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(wakeWrite, &byte, 1);
    errno = savedErrno;
}

bool ignored(const struct sigaction& a) {
    return (a.sa_flags & SA_SIGINFO) == 0 && a.sa_handler == SIG_IGN;
}

void catchSignals() {
    if (wakeRead < 0) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
            wakeRead = fds[0];
            wakeWrite = fds[1];
        }
    }
    noted = 0;
    struct sigaction note {};
    note.sa_handler = noteSignal;
    sigemptyset(&note.sa_mask);
    for (int signal : kStopSignals) sigaddset(&note.sa_mask, signal);
    sigaddset(&note.sa_mask, SIGCHLD);
    note.sa_flags = SA_RESTART;
    for (std::size_t k = 0; k < kStopSignalCount; ++k) {
        sigaction(kStopSignals[k], nullptr, &saved.stop[k]);
        // A signal ignored when the run began (nohup, a background job) stays ignored:
        // without the stage it would not end the run either.
        saved.caught[k] = !ignored(saved.stop[k]);
        if (saved.caught[k]) sigaction(kStopSignals[k], &note, nullptr);
    }
    note.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigaction(SIGCHLD, &note, &saved.child);
    // Our programs are not the terminal's foreground group: with "stty tostop" their first
    // message would stop them for good. They inherit this.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGTTOU, &ignore, &saved.terminalOutput);
}

void restoreSignals() {
    sigaction(SIGTTOU, &saved.terminalOutput, nullptr);
    sigaction(SIGCHLD, &saved.child, nullptr);
    for (std::size_t k = 0; k < kStopSignalCount; ++k)
        if (saved.caught[k]) sigaction(kStopSignals[k], &saved.stop[k], nullptr);
}

void drainWakes() {
    char bytes[64];
    if (wakeRead >= 0)
        while (read(wakeRead, bytes, sizeof bytes) > 0) {
        }
}

// Until a signal of interest arrives, at most `milliseconds` (-1: no limit).
void waitForWake(int milliseconds) {
    if (wakeRead < 0) {
        // Without a pipe, look again every so often.
        poll(nullptr, 0, milliseconds < 0 ? kGroupPollMilliseconds : milliseconds);
        return;
    }
    pollfd wake{.fd = wakeRead, .events = POLLIN, .revents = 0};
    poll(&wake, 1, milliseconds);
    drainWakes();
}

[[noreturn]] void endWithSignal(int signal) {
    std::cout.flush();
    std::cerr.flush();
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);
}

std::time_t nowSeconds() {
    // The clock file times are taken from, in whole seconds (all some file systems keep).
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now.tv_sec;
}

// Starts the call as the leader of a process group of its own; 0 on success, else the
// error that kept it from starting.
int start(const OutsideCall& call, pid_t& pid) {
    if (call.arguments.empty()) return ENOENT;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO,
                                     call.input.empty() ? "/dev/null" : call.input.c_str(),
                                     O_RDONLY, 0);
    if (call.output.empty())
        posix_spawn_file_actions_adddup2(&files, STDERR_FILENO, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, call.output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0666);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);

    std::vector<char*> argv;
    for (const std::string& a : call.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int error = posix_spawnp(&pid, argv[0], &files, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    return error;
}

bool productMade(const std::string& path, std::time_t since) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
           st.st_mtime >= since;
}

void removeIfEmpty(const std::string& path) {
    struct stat st {};
    if (!path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
        std::remove(path.c_str());
}

OutsideOutcome judge(const OutsideCall& call, int status, std::time_t started) {
    const bool exitedWell = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const bool made = call.product.empty() || productMade(call.product, started);
    if (exitedWell && made) return OutsideOutcome::Made;
    removeIfEmpty(call.product);
    if (call.output != call.product) removeIfEmpty(call.output);
    return OutsideOutcome::Failed;
}

struct Running {
    std::size_t call;
    std::time_t started;
};
using RunningCalls = std::map<pid_t, Running>;

// Whether the child has ended; its status is then in `status`. A child that cannot be
// waited for any more counts as ended, with a status that judges as failed.
bool ended(pid_t pid, int& status, bool block) {
    for (;;) {
        const pid_t done = waitpid(pid, &status, block ? 0 : WNOHANG);
        if (done == pid) return true;
        if (done == 0) return false;
        if (errno != EINTR) {
            status = W_EXITCODE(127, 0);
            return true;
        }
    }
}

// Whether anything of the group still runs. Members that have ended but wait for init to
// reap them (which some inits do only now and then) do not count.
bool groupLeft(pid_t group) {
    if (kill(-group, 0) != 0) return false;
    DIR* processes = opendir("/proc");
    if (processes == nullptr) return true;
    bool running = false;
    while (const dirent* entry = readdir(processes)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // After the command name in parentheses: state, parent, process group.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream fields(line.substr(close + 1));
        char state = 0;
        long parent = 0, processGroup = 0;
        if (fields >> state >> parent >> processGroup && processGroup == group && state != 'Z') {
            running = true;
            break;
        }
    }
    closedir(processes);
    return running;
}

// Stops every running call and all it started: SIGTERM to each group, SIGKILL to what
// is left of them after the grace period. Returns once every call has been waited for.
void stopAll(RunningCalls& running) {
    std::vector<pid_t> groups;
    for (const auto& [pid, r] : running) {
        groups.push_back(pid);
        kill(-pid, SIGTERM);
        kill(-pid, SIGCONT);  // a stopped program would not see its SIGTERM
    }
    const auto deadline = std::chrono::steady_clock::now() + kGrace;
    for (;;) {
        for (auto it = running.begin(); it != running.end();) {
            int status = 0;
            it = ended(it->first, status, false) ? running.erase(it) : std::next(it);
        }
        bool left = !running.empty();
        for (pid_t group : groups) left = left || groupLeft(group);
        if (!left || std::chrono::steady_clock::now() >= deadline) break;
        waitForWake(kGroupPollMilliseconds);
    }
    for (pid_t group : groups) kill(-group, SIGKILL);
    for (const auto& [pid, r] : running) {
        int status = 0;
        ended(pid, status, true);
    }
    running.clear();
}

void removeFile(const std::string& path) {
    if (!path.empty()) std::remove(path.c_str());
}

}  // namespace

OutsideStage::OutsideStage() {
    assert(!stageOpen && "one outside stage at a time");
    stageOpen = true;
    catchSignals();
}

OutsideStage::~OutsideStage() {
    close();
    // A stop that came after the last program ended is obeyed now.
    if (const int signal = noted; signal != 0) endWithSignal(signal);
}

void OutsideStage::close() {
    for (const std::string& path : scratch_) removeFile(path);
    restoreSignals();
    stageOpen = false;
}

void OutsideStage::scratch(std::string path) { scratch_.push_back(std::move(path)); }

OutsideOutcome OutsideStage::run(const OutsideCall& call) {
    return run(std::span<const OutsideCall>(&call, 1), 1).front();
}

std::vector<OutsideOutcome> OutsideStage::run(std::span<const OutsideCall> calls, int atOnce) {
    std::vector<OutsideOutcome> outcomes(calls.size(), OutsideOutcome::NotStarted);
    if (atOnce < 1) atOnce = 1;
    // Whatever we printed must come before what the programs print.
    std::cout.flush();
    std::cerr.flush();

    RunningCalls running;
    std::size_t next = 0;
    bool startable = true;
    for (;;) {
        // Drained before looking, so a signal that comes after the look wakes the wait.
        drainWakes();
        if (const int signal = noted; signal != 0) {
            std::vector<std::size_t> stopped;
            for (const auto& [pid, r] : running) stopped.push_back(r.call);
            stopAll(running);
            for (std::size_t k : stopped) {
                removeFile(calls[k].product);
                if (calls[k].output != calls[k].product) removeFile(calls[k].output);
            }
            close();
            endWithSignal(signal);
        }
        for (auto it = running.begin(); it != running.end();) {
            int status = 0;
            if (!ended(it->first, status, false)) {
                ++it;
                continue;
            }
            outcomes[it->second.call] = judge(calls[it->second.call], status, it->second.started);
            it = running.erase(it);
        }
        while (startable && noted == 0 && next < calls.size() &&
               running.size() < static_cast<std::size_t>(atOnce)) {
            const std::time_t started = nowSeconds();
            pid_t pid = 0;
            if (start(calls[next], pid) != 0) {
                removeIfEmpty(calls[next].output);
                startable = false;
                break;
            }
            running[pid] = {next, started};
            ++next;
        }
        if (running.empty() && noted == 0) break;
        if (noted == 0) waitForWake(-1);
    }
    return outcomes;
}

OutsideOutcome runOutsideProgram(const OutsideCall& call) {
    OutsideStage stage;
    return stage.run(call);
}

std::vector<OutsideOutcome> runOutsidePrograms(std::span<const OutsideCall> calls, int atOnce) {
    OutsideStage stage;
    return stage.run(calls, atOnce);
}
