// Starting, waiting for and judging outside programs, one at a time or several at once.
#include "state/outsideProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>

extern char** environ;

namespace {

std::time_t nowSeconds() {
    // The clock file times are taken from, in whole seconds (all some file systems keep).
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now.tv_sec;
}

// While our children run, a Ctrl-C at the terminal reaches them and us alike: we ignore
// it and learn of it from how the child ended, as a shell does.
class TerminalSignalsDeferred {
public:
    TerminalSignalsDeferred() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGINT, &ignore, &interrupt_);
        sigaction(SIGQUIT, &ignore, &quit_);
    }
    ~TerminalSignalsDeferred() {
        sigaction(SIGINT, &interrupt_, nullptr);
        sigaction(SIGQUIT, &quit_, nullptr);
    }
    TerminalSignalsDeferred(const TerminalSignalsDeferred&) = delete;
    TerminalSignalsDeferred& operator=(const TerminalSignalsDeferred&) = delete;

private:
    struct sigaction interrupt_ {};
    struct sigaction quit_ {};
};

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

bool interruptedByUser(int status) {
    return WIFSIGNALED(status) && (WTERMSIG(status) == SIGINT || WTERMSIG(status) == SIGQUIT);
}

// Starts the call; 0 on success, else the error that kept it from starting.
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

    // The child must die of Ctrl-C even though we ignore it meanwhile.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults, none;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGQUIT);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

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

pid_t waitForChild(pid_t pid, int& status) {
    for (;;) {
        const pid_t done = waitpid(pid, &status, 0);
        if (done >= 0 || errno != EINTR) return done;
    }
}

}  // namespace

OutsideOutcome runOutsideProgram(const OutsideCall& call) {
    return runOutsidePrograms(std::span<const OutsideCall>(&call, 1), 1).front();
}

std::vector<OutsideOutcome> runOutsidePrograms(std::span<const OutsideCall> calls, int atOnce) {
    std::vector<OutsideOutcome> outcomes(calls.size(), OutsideOutcome::NotStarted);
    if (calls.empty()) return outcomes;
    if (atOnce < 1) atOnce = 1;
    // Whatever we printed must come before what the programs print.
    std::cout.flush();
    std::cerr.flush();

    TerminalSignalsDeferred deferred;
    struct Running {
        std::size_t call;
        std::time_t started;
    };
    std::map<pid_t, Running> running;
    std::size_t next = 0;
    bool startable = true;
    int interrupt = 0;
    while (next < calls.size() || !running.empty()) {
        while (startable && interrupt == 0 && next < calls.size() &&
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
        if (running.empty()) break;
        int status = 0;
        const pid_t done = waitForChild(-1, status);
        if (done < 0) break;
        const auto found = running.find(done);
        if (found == running.end()) continue;  // not one of ours
        const Running r = found->second;
        running.erase(found);
        if (interruptedByUser(status)) {
            interrupt = WTERMSIG(status);
            // The rest were hit by the same keystroke, or will be stopped now.
            for (const auto& [pid, other] : running) kill(pid, SIGTERM);
        }
        outcomes[r.call] = judge(calls[r.call], status, r.started);
    }
    if (interrupt != 0) endWithSignal(interrupt);
    return outcomes;
}
