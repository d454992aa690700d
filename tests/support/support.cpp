#include "support/support.h"

#include "state/state.h"
#include "model/model.h"

#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace {
std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
}  // namespace

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
    const fs::path in = cwd / ".answers", out = cwd / ".console", err = cwd / ".errors";
    std::ofstream(in, std::ios::binary) << answers;
    const std::string command = "cd " + quoted(cwd.string()) +
                                " && OMP_NUM_THREADS=" + std::to_string(ompThreads) + " " +
                                quoted(KELVANOR_BIN) + " < " + quoted(in.string()) + " > " +
                                quoted(out.string()) + " 2> " + quoted(err.string());
    const int raw = std::system(command.c_str());
    RunResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.console = slurp(out);
    r.errors = slurp(err);
    fs::remove(in);
    fs::remove(out);
    fs::remove(err);
    return r;
}

std::string slurp(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
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
