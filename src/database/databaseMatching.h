// Database matching: the chosen database read into its store, every input motif and every
// global representative scanned against it, the matches keyed, ranked and reported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "compare/compare.h"
#include "state/state.h"

// ---- Reading ----------------------------------------------------------------------------

// Reads the chosen database's file below the working folder into DatabaseDatasets and
// keeps its path in the layout's field (jasparDB, uniprobeDB, transfacDB). A file that
// cannot be opened, or a working folder that cannot be told, ends the run. Motifs without
// positions are named in one warning; the run goes on without them.
void readDatabase(RunState& s);
void readJasparDatabase(RunState& s);
void readUniprobeDatabase(RunState& s);
void readTransfacDatabase(RunState& s);

// The warning naming every motif of the store without positions; empty when there is none.
std::string motifsWithoutPositionsWarning(const std::vector<data>& database);

// ---- Scans ------------------------------------------------------------------------------

// Every input motif (outer, in the given order) against every database motif (inner), in
// one direction, both record orders; one scan task per pair, joined in task order.
void scanDatabasePairs(std::span<const data* const> inputs, const std::vector<data>& database,
                       Direction direction, const ScanLimits& limits, int threads,
                       std::vector<dataCombinedScore>& list);

// The top motif of every group of topGlobalMatchingResults, in group order.
std::vector<const data*> globalRepresentatives(const RunState& s);

// Every input motif: into DatasetsCombinedScoreDatabaseLists.
void forwardScanDatabase(RunState& s);
void backwardScanDatabase(RunState& s);
// The global representatives: into DatasetsCombinedScoreDatabaseGlobalLists.
void forwardScanDatabaseGlobal(RunState& s);
void backwardScanDatabaseGlobal(RunState& s);

// ---- Best values and keys (the input motif of each record, told by matchFlag) -----------

void getMaxScoresDatabase(RunState& s);
void calculateSumScoresCompareDatabase(RunState& s);
void getMaxScoresDatabaseGlobal(RunState& s);
void calculateSumScoresCompareDatabaseGlobal(RunState& s);

// ---- Result lists and sections ------------------------------------------------------------

// The order of one input motif's matches: the key (a key that is no number last), then
// database motif, direction, position, and the straight record before the mirrored one,
// which single out a record: the lists come out the same for any thread count.
bool databaseMatchOrder(const dataCombinedScore& a, const dataCombinedScore& b);

// Every input motif's best database matches, entry k for input motif k + 1: its records in
// databaseMatchOrder, one per database motif name, at most numBestMatches; the motifs'
// records are gathered and sorted on `threads` threads.
std::vector<bestMatchList> databaseBestMatchLists(const std::vector<dataCombinedScore>& list,
                                                  std::size_t inputCount,
                                                  const std::vector<data>& database,
                                                  std::int32_t numBestMatches, int threads);

// The lists of every input motif into the three database documents (output type All).
void getDatabaseResultsList(RunState& s);
// The lists of the global representatives into the two global database documents.
void getDatabaseGlobalResultsList(RunState& s);

// ---- Diagnostic files (no stage of a run writes them) --------------------------------------

// The database store as its layout lists it, into outputPath + its listing's file name;
// a file that cannot be made is passed over in silence.
void writeDatabaseListingFile(const RunState& s);
// DatasetsCombinedScoreDatabaseLists into outputPath + "combinedScoreDatabase.txt", alike.
void writeCombinedScoreDatabaseFile(const RunState& s);
