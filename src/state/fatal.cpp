// The run's fatal conditions: one console line, exit status 1.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "state/state.h"

void fatal(RunState& s, Fatal f) {
    std::ostream& out = *s.console;
    switch (f) {
    case Fatal::BadInputPath: out << "Invalid input path or file name." << std::endl; break;
    case Fatal::BadOutputPath: out << "Invalid output path or output filename." << std::flush; break;
    case Fatal::TooFewMotifs: out << "Error: insufficient number of motifs." << std::endl; break;
    case Fatal::EndOfInput: out << "Error: unexpected end of input." << std::endl; break;
    }
    // A claim on the job identifier that nothing was written into yet is not a report.
    struct stat claim {};
    if (!s.jobClaim.empty() && stat(s.jobClaim.c_str(), &claim) == 0 && claim.st_size == 0)
        std::remove(s.jobClaim.c_str());
    std::exit(1);
}
