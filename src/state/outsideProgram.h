// The one way this program starts outside programs (logo generator, PHP, Rscript): from
// an argument list, never through a shell, waited for, judged by the file it must leave.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

struct OutsideCall {
    // The program first; a name without '/' is looked up on the PATH.
    std::vector<std::string> arguments;
    std::string input;    // standard input comes from this file; /dev/null when empty
    std::string output;   // standard output goes to this file, made anew; to our standard
                          // error when empty, so the console keeps only its own lines
    std::string product;  // the file the call must leave; none when empty
};

enum class OutsideOutcome {
    Made,        // exited 0 and left a non-empty product made during the call
    Failed,      // ran, but failed or left no product
    NotStarted,  // the program could not be started (missing, not executable)
};

// A path as a program argument: one starting with "-" would be read as an option.
inline std::string pathArgument(const std::string& path) {
    return !path.empty() && path[0] == '-' ? "./" + path : path;
}

// A stage of a run that has outside programs work for it. Its programs run in process
// groups of their own, so a Ctrl-C at the terminal reaches this program alone. While the
// stage lives, SIGINT, SIGQUIT, SIGTERM and SIGHUP (those not ignored when it began) are
// noted instead of ending the program mid-step; on one, the stage stops its programs
// (their groups get SIGTERM, and SIGKILL when they outlast a grace period), removes the
// files of the calls it stopped and its scratch files, and the program ends with that
// signal as it would have without the stage. Finished products stay. One stage at a time.
class OutsideStage {
public:
    OutsideStage();
    ~OutsideStage();
    OutsideStage(const OutsideStage&) = delete;
    OutsideStage& operator=(const OutsideStage&) = delete;

    // A file the stage makes for its programs alone (a count file, a script): removed when
    // the stage ends, or when it is stopped. Name it before making it.
    void scratch(std::string path);

    // Runs every call, at most `atOnce` at a time, started in order; outcome k belongs to
    // call k. Once a program cannot be started, no further call is started (they would
    // fail alike) and those calls are NotStarted. A product a call left empty is removed.
    std::vector<OutsideOutcome> run(std::span<const OutsideCall> calls, int atOnce);
    OutsideOutcome run(const OutsideCall& call);

private:
    void close();  // scratch files removed, signals back as they were

    std::vector<std::string> scratch_;
};

// One call, or a batch, in a stage of its own.
OutsideOutcome runOutsideProgram(const OutsideCall& call);
std::vector<OutsideOutcome> runOutsidePrograms(std::span<const OutsideCall> calls, int atOnce);
