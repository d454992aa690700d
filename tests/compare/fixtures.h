// Small motifs and real motif sets for the comparison tests.
#pragma once

#include <string>
#include <vector>

#include "state/state.h"

// A motif from count rows (each divided by its total), completed as a reader does.
data countMotif(std::int64_t id, std::int32_t dataset, const std::vector<Row>& counts,
                const std::string& name = "");

// Reads real motif files, one dataset each, into s.Datasets (at most `limit` motifs of
// each file when limit > 0); false when the shared collection is missing.
bool loadMotifFiles(RunState& s, const std::vector<std::string>& relativePaths,
                    std::size_t limit = 0);

// A state with the given motifs and answers for a run without documents.
RunState stateWith(std::vector<data> motifs, double cutoff, int threads = 1);
