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

// Runs one call and waits for it. A product the call left empty is removed. When the
// program dies of SIGINT or SIGQUIT, the user meant this run: the process ends with
// that signal.
OutsideOutcome runOutsideProgram(const OutsideCall& call);

// Runs every call, at most `atOnce` at a time, started in order; outcome k belongs to
// call k. Once a program cannot be started, no further call is started (they would fail
// alike) and those calls are NotStarted.
std::vector<OutsideOutcome> runOutsidePrograms(std::span<const OutsideCall> calls, int atOnce);
