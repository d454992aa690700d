// The combination stage of a run: every reported group merged into the run state's lists
// of chains, and the three combined-motif reports appended to their documents.
#pragma once

#include "combine/combine.h"
#include "state/state.h"

// Merges every non-empty group of the reported group lists with the run's cutoff and team
// size and writes each list's report: the global matches always, and with output type
// "All" the global-and-local and best-match groups too; with type "All" a list without
// groups is skipped whole. Each chain goes to its list of chains in group order; the
// per-group working lists and the scratch record stay unused, as the drivers return chains.
void combineSimilarMotifs(RunState& s);

// Each appends the body of its list of chains to its combined-motif document and closes it;
// a document that cannot be opened ends the run.
void WriteCombinedMotifsGlobal(RunState& s);
void WriteCombinedMotifsGlobalAndLocal(RunState& s);
void WriteCombinedMotifsBestMatches(RunState& s);
