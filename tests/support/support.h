// Test helpers: scratch folders, running the program on an answers file, reading files.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "state/state.h"

namespace fs = std::filesystem;

// A fresh folder with motifs/ and result/ inside, removed afterwards.
struct Workspace {
    Workspace();
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    fs::path root;
    fs::path motifs() const { return root / "motifs"; }
    fs::path result() const { return root / "result"; }
    // The input folder as a user types it: with its trailing separator.
    std::string inputFolder() const { return motifs().string() + "/"; }
    void write(const std::string& name, const std::string& text) const;
    // Every file in result/ whose name ends with the suffix.
    std::vector<fs::path> outputs(const std::string& suffix = "") const;
};

struct RunResult {
    int status = -1;
    std::string console;
    std::string errors;
};

// Runs the program in `cwd` with the answers on standard input.
RunResult runProgram(const fs::path& cwd, const std::string& answers, int ompThreads = 8);

// A run started as a shell starts a job: in a process group of its own, so a signal to
// that group reaches it as a terminal's Ctrl-C does. Standard input, output and error as
// for runProgram; `pathFirst` is put before the PATH; with `ignoreHangup` it starts as
// nohup starts a program. Core dumps are off.
pid_t startProgramJob(const fs::path& cwd, const std::string& answers,
                      const std::string& pathFirst = "", bool ignoreHangup = false,
                      int ompThreads = 2);
// Waits up to `seconds` for the job; its wait status, or -1 (and the group killed) when it
// outlasts them. The console and error text land in `result` either way.
int finishJob(pid_t pid, const fs::path& cwd, int seconds, RunResult& result);
// Whether a process lives: a zombie does not.
bool processLives(pid_t pid);
// Waits up to `seconds` until the file holds at least `lines` lines.
bool waitForLines(const fs::path& file, std::size_t lines, int seconds);

std::string slurp(const fs::path& path);
// Standard output of a shell command.
std::string capture(const std::string& command);
// Replaces every job identifier, date-time and run time by fixed marks.
std::string masked(std::string text);

// Links the project's logo generator and converter wrapper into `folder`, where a run
// started in it with input folder `folder`/motifs/ looks for them.
void linkOutsideTools(const fs::path& folder);

// A real motif file of the shared collection; empty when the collection is not there.
std::string motifDataPath(const std::string& relative);
// Tests on the real motifs fail, never skip, without them: a quiet skip would let the
// thread-count and reader proofs pass unseen.
inline constexpr const char* kMissingMotifData =
    "the shared motif collection is missing: ../shared/data/motifs beside the project "
    "(or KELVANOR_MOTIF_DATA) must hold it";

// An input motif as the readers leave it: reverse complement and both consensus strings.
data completedMotif(std::int64_t id, std::int32_t dataset, std::string name, Matrix matrix);

// Points every report document of the state into the workspace's result/ folder.
void placeDocuments(RunState& s, const Workspace& w, const std::string& jobID = "J_2024-05-06_4321_");

// Answers for a whole dialogue; fields default to a small Global-Only text run.
struct Answers {
    std::string numFiles = "1";
    std::string topMotifs = "5";
    std::string bestMatches = "3";
    std::string cutoff = "0.75";
    std::string threads = "1";
    std::string inputFolder;
    std::vector<std::pair<std::string, std::string>> files;  // name, format
    std::string database = "14";
    std::string tree = "N";
    std::string combine = "N";
    std::string type = "Global-Only";
    std::string format = "Text";
    std::string outputFolder;
    std::string text() const;
};
