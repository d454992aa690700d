#include "support/support.h"

#include "state/state.h"
#include "model/model.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

extern char** environ;

Workspace::Workspace() {
    static std::atomic<int> counter{0};
    root = fs::temp_directory_path() /
           ("kelvanor-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(root);
    fs::create_directories(motifs());
    fs::create_directories(result());
}

Workspace::~Workspace() {
    std::error_code ec;
    fs::remove_all(root, ec);
}

void Workspace::write(const std::string& name, const std::string& text) const {
    std::ofstream(motifs() / name, std::ios::binary) << text;
}

std::vector<fs::path> Workspace::outputs(const std::string& suffix) const {
    std::vector<fs::path> found;
    for (const auto& e : fs::recursive_directory_iterator(result())) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && name.size() >= suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            found.push_back(e.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

RunResult runProgram(const fs::path& cwd, const std::string& answers, int ompThreads) {
    RunResult r;
    // As long as ctest lets a test run.
    constexpr int kLongestRun = 900;
    const int status = finishJob(startProgramJob(cwd, answers, "", false, ompThreads), cwd,
                                 kLongestRun, r);
    r.status = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

pid_t startProgramJob(const fs::path& cwd, const std::string& answers,
                      const std::string& pathFirst, bool ignoreHangup, int ompThreads) {
    const fs::path in = cwd / ".answers", out = cwd / ".console", err = cwd / ".errors";
    std::ofstream(in, std::ios::binary) << answers;
    // Everything the child needs is made before the fork: after it, only system calls.
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.starts_with("PATH=") && !pathFirst.empty())
            environment.push_back("PATH=" + pathFirst + ":" + entry.substr(5));
        else if (!entry.starts_with("OMP_NUM_THREADS="))
            environment.push_back(entry);
    }
    environment.push_back("OMP_NUM_THREADS=" + std::to_string(ompThreads));
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string program = KELVANOR_BIN, folder = cwd.string(), input = in.string(),
                      console = out.string(), errors = err.string();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        signal(SIGHUP, ignoreHangup ? SIG_IGN : SIG_DFL);
        signal(SIGINT, SIG_DFL);
        signal(SIGQUIT, SIG_DFL);
        const int i = open(input.c_str(), O_RDONLY);
        const int o = open(console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (i < 0 || o < 0 || e < 0 || chdir(folder.c_str()) != 0) _exit(126);
        dup2(i, 0);
        dup2(o, 1);
        dup2(e, 2);
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
    if (pid > 0) setpgid(pid, pid);  // whichever of the two comes first
    return pid;
}

int finishJob(pid_t pid, const fs::path& cwd, int seconds, RunResult& result) {
    int status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 || std::chrono::steady_clock::now() >= deadline) {
            kill(-pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    result.status = status;
    result.console = slurp(cwd / ".console");
    result.errors = slurp(cwd / ".errors");
    for (const char* scratch : {".answers", ".console", ".errors"}) fs::remove(cwd / scratch);
    return status;
}

bool processLives(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    // The state follows the command name, which is in parentheses.
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

bool waitForLines(const fs::path& file, std::size_t lines, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const std::string text = slurp(file);
        if (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) >= lines)
            return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string slurp(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string capture(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string masked(std::string text) {
    static const std::regex job(R"(J_\d{4}-\d{2}-\d{2}_\d{4}_)");
    static const std::regex stamp(R"(\d{2}-\d{2}-\d{4} \d{2}:\d{2}:\d{2})");
    static const std::regex runtime(R"(Runtime: [0-9.e+-]+)");
    text = std::regex_replace(text, job, "J_<id>_");
    text = std::regex_replace(text, stamp, "<date-time>");
    return std::regex_replace(text, runtime, "Runtime: <t>");
}

void linkOutsideTools(const fs::path& folder) {
    const fs::path tools = fs::path(KELVANOR_SOURCE_DIR) / "tools";
    fs::create_directory_symlink(tools / "weblogo-3.4", folder / "weblogo-3.4");
    fs::create_symlink(tools / "prince.php", folder / "prince.php");
}

std::string motifDataPath(const std::string& relative) {
    const char* env = std::getenv("KELVANOR_MOTIF_DATA");
    const fs::path base = env ? fs::path(env) : fs::path(KELVANOR_MOTIF_DATA);
    const fs::path p = base / relative;
    return fs::exists(p) ? p.string() : std::string();
}

std::string Answers::text() const {
    std::ostringstream a;
    a << numFiles << "\n" << topMotifs << "\n" << bestMatches << "\n" << cutoff << "\n"
      << threads << "\n" << inputFolder << "\n";
    for (const auto& [name, format] : files) a << name << "\n" << format << "\n";
    a << database << "\n" << tree << "\n" << combine << "\n" << type << "\n" << format << "\n"
      << outputFolder << "\n";
    return a.str();
}

data completedMotif(std::int64_t id, std::int32_t dataset, std::string name, Matrix matrix) {
    data m;
    m.motifID = id;
    m.motifNumber = id;
    m.datasetNumber = dataset;
    m.motifName = std::move(name);
    m.matrix = std::move(matrix);
    m.revCompMatrix = getRevCompMotif(m.matrix);
    m.consensus = getConsensusString(m.matrix);
    m.revCompConsensus = getConsensusString(m.revCompMatrix);
    return m;
}

void placeDocuments(RunState& s, const Workspace& w, const std::string& jobID) {
    s.outputPath = w.result().string() + "/";
    s.jobID = jobID;
    nameDocuments(s);
}
