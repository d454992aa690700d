// The diagnostic listings as files in the output folder; a run never writes them itself.
#include <fstream>

#include "database/databaseListings.h"
#include "database/databaseMatching.h"

void writeDatabaseListingFile(const RunState& s) {
    if (s.DBName == nullptr) return;
    std::ofstream out(s.outputPath + databaseListingFileName(s.DBName->layout),
                      std::ios::out | std::ios::trunc);
    if (out.is_open()) writeDatabaseListing(out, s.DatabaseDatasets, s.DBName->layout);
}

void writeCombinedScoreDatabaseFile(const RunState& s) {
    std::ofstream out(s.outputPath + kCombinedScoreDatabaseFileName,
                      std::ios::out | std::ios::trunc);
    if (out.is_open())
        writeCombinedScoreDatabaseList(out, s.DatasetsCombinedScoreDatabaseLists,
                                       {.inputMotifs = s.Datasets,
                                        .databaseMotifs = s.DatabaseDatasets,
                                        .bestOfInputs = s.maxScoresDatabaseList});
}
