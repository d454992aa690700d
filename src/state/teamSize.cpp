// The number of threads every parallel stage of a run uses.
#include <omp.h>

#include "state/state.h"

int teamSize(const RunState& s) { return s.numThread > 0 ? s.numThread : omp_get_max_threads(); }
