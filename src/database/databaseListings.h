// Diagnostic listings of the database side: the database motifs and the plain database matches.
#pragma once

#include <ostream>
#include <vector>

#include "model/records.h"
#include "state/databaseCatalogue.h"

// Each database motif as name, annotation and identifier lines and its matrix (six fixed
// decimals, every value followed by a tab), then two empty lines. The labels follow the
// layout; the caller's stream formatting is left as it was.
void writeDatabaseListing(std::ostream& out, const std::vector<data>& motifs,
                          DatabaseLayout layout);
void writeJasparDatabase(std::ostream& out, const std::vector<data>& motifs);
void writeTransfacDatabase(std::ostream& out, const std::vector<data>& motifs);
void writeUniprobeDatabase(std::ostream& out, const std::vector<data>& motifs);
// The output-folder file of each listing; unlike the reports they carry no job identifier.
const char* databaseListingFileName(DatabaseLayout layout);
inline constexpr const char* kCombinedScoreDatabaseFileName = "combinedScoreDatabase.txt";

// What a match record's identifiers are looked up in.
struct DatabaseMatchStores {
    const std::vector<data>& inputMotifs;
    const std::vector<data>& databaseMotifs;
    const std::vector<maxScores>& bestOfInputs;  // by input motif id - 1; empty before keying
};

// A heading, then nineteen tab-ended fields per record of the plain database scans.
void writeCombinedScoreDatabaseList(std::ostream& out,
                                    const std::vector<dataCombinedScore>& records,
                                    const DatabaseMatchStores& stores);
