// The database scans: input motifs or global representatives against every database motif,
// through the one scan core, one task per pair.
#include "database/databaseMatching.h"

void scanDatabasePairs(std::span<const data* const> inputs, const std::vector<data>& database,
                       Direction direction, const ScanLimits& limits, int threads,
                       std::vector<dataCombinedScore>& list) {
    const std::size_t perInput = database.size();
    // Pair p is input p / perInput against database motif p % perInput: input outer.
    parallelScan(inputs.size() * perInput, threads,
                 [&](std::size_t first, std::size_t last, std::vector<dataCombinedScore>& out) {
                     for (std::size_t p = first; p < last; ++p)
                         scanPairBothOrders(scanMotif(*inputs[p / perInput]),
                                            scanMotif(database[p % perInput]), direction, limits,
                                            out);
                 },
                 list);
}

std::vector<const data*> globalRepresentatives(const RunState& s) {
    std::vector<const data*> representatives;
    for (const bestMatchList& group : s.topGlobalMatchingResults) {
        if (group.empty()) continue;
        const std::int32_t top = group.front().motifID1;
        if (top < 1 || static_cast<std::size_t>(top) > s.Datasets.size()) continue;
        representatives.push_back(&s.Datasets[static_cast<std::size_t>(top - 1)]);
    }
    return representatives;
}

namespace {

std::vector<const data*> everyInputMotif(const RunState& s) {
    std::vector<const data*> inputs;
    inputs.reserve(s.Datasets.size());
    for (const data& m : s.Datasets) inputs.push_back(&m);
    return inputs;
}

}  // namespace

void forwardScanDatabase(RunState& s) {
    scanDatabasePairs(everyInputMotif(s), s.DatabaseDatasets, Direction::Forward, scanLimits(s),
                      teamSize(s), s.DatasetsCombinedScoreDatabaseLists);
}
void backwardScanDatabase(RunState& s) {
    scanDatabasePairs(everyInputMotif(s), s.DatabaseDatasets, Direction::Backward, scanLimits(s),
                      teamSize(s), s.DatasetsCombinedScoreDatabaseLists);
}
void forwardScanDatabaseGlobal(RunState& s) {
    scanDatabasePairs(globalRepresentatives(s), s.DatabaseDatasets, Direction::Forward,
                      scanLimits(s), teamSize(s), s.DatasetsCombinedScoreDatabaseGlobalLists);
}
void backwardScanDatabaseGlobal(RunState& s) {
    scanDatabasePairs(globalRepresentatives(s), s.DatabaseDatasets, Direction::Backward,
                      scanLimits(s), teamSize(s), s.DatasetsCombinedScoreDatabaseGlobalLists);
}
