// The one way a run writes to standard error.
#include "model/model.h"
#include "state/state.h"

void warn(RunState& s, std::string_view line) { *s.warnings << terminalSafe(line) << std::endl; }
