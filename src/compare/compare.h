// Motif comparison and ranking: pair scans, best values, similarity keys, best matches,
// rankings and distance matrices. Computation only: the reports are written elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "compare/scanPair.h"
#include "state/state.h"

inline ScanLimits scanLimits(const RunState& s) {
    return {.maxScore = s.maxScore, .overlap = s.overlap, .simCutoff = s.simCutoff};
}

// Every pair of input motifs, appended to DatasetsCombinedScoreLists.
void forwardScan(RunState& s);
void backwardScan(RunState& s);

// ---- Best values and the similarity key ----------------------------------------------

// Whose best values a record feeds and keys against.
enum class RecordSide : std::uint8_t {
    BothMotifs,        // input comparison, best values: both motifs of every record
    RecordFirst,       // input comparison, keys: the record's first motif
    InputByMatchFlag,  // database matching: the input motif, told by matchFlag
};

// In a database-match record the input motif is the record's first motif exactly when
// matchFlag is set; the other one is the database motif. The two are numbered apart.
inline std::int32_t inputMotifID(const dataCombinedScore& r) {
    return r.matchFlag ? r.motifID1 : r.motifID2;
}
inline std::int32_t databaseMotifID(const dataCombinedScore& r) {
    return r.matchFlag ? r.motifID2 : r.motifID1;
}

// Best score and longest overlap of every motif 1..motifCount over the records it takes
// part in on the given side; entry k for motifID k + 1, all zero when it takes part in none.
std::vector<maxScores> bestValues(std::span<const dataCombinedScore> list, std::size_t motifCount,
                                  RecordSide side);
// Every record's similarity key against the best values of its motif on the given side.
// A key depends on its own record alone, so the list is keyed in slices on `threads`.
void assignSimilarityKeys(std::span<dataCombinedScore> list, std::span<const maxScores> best,
                          RecordSide side, int threads = 1);

void getMaxScores(RunState& s);
void calculateSumScoresCompare(RunState& s);

// ---- Groups, best matches and rankings -----------------------------------------------

// The order of a motif's group: the key, then partner, direction and position, which
// single out a record of one first motif. Equal keys thus come out the same way for any
// thread count and any order of the scanned list.
bool groupOrder(const dataCombinedScore& a, const dataCombinedScore& b);

// A motif's records with it as first motif, in groupOrder.
using MatchGroup = std::span<const dataCombinedScore>;

// Reorders `list` in place into one run per first motif, sorts each run in groupOrder on
// `threads` threads and returns the runs, group k for motifID k + 1 (empty when the motif
// is first motif of no record).
std::vector<MatchGroup> groupByFirstMotif(std::vector<dataCombinedScore>& list,
                                          std::size_t motifCount, int threads);

// Global matching takes only records whose two motifs come from different input files.
enum class Matching : std::uint8_t { GlobalAndLocal, Global };

// Every motif's best matches: the first record of its group, then the first record of
// each further partner, up to numBestMatches records.
std::vector<bestMatchList> selectBestMatches(const RunState& s,
                                             const std::vector<MatchGroup>& groups,
                                             Matching matching);

// One entry per motif in motifID order, `scratch` filled before each append, then sorted
// ascending by scoreSum; equal sums keep motifID order.
std::vector<commonBestMatches> rankMotifs(const std::vector<bestMatchList>& lists,
                                          commonBestMatches& scratch);

// The lists of the first `limit` motifs of the ranking whose list is not empty.
std::vector<bestMatchList> topLists(const std::vector<commonBestMatches>& ranking,
                                    const std::vector<bestMatchList>& lists, std::int32_t limit);

// Every motif's best matches, over matches across input files and over all matches,
// indexed by motifID - 1; the global ones are empty with one input file.
struct ComparisonLists {
    std::vector<bestMatchList> globalBestMatchLists;
    std::vector<bestMatchList> allBestMatchLists;
};

// Ranking of the input comparison: the rankings, the motif groups the combination takes
// and the distance matrices of the tree, and the lists the report sections show.
ComparisonLists getResultsList(RunState& s);

// ---- Distance matrices for the motif tree ----------------------------------------------

// maxSumScoreCompare and distanceMatrix over every input motif, from the sorted groups.
void fillDistanceMatrix(RunState& s, const std::vector<MatchGroup>& groups);
// distanceMatrixGlobal over the top global motifs and their partners, from distanceMatrix.
void fillDistanceMatrixGlobal(RunState& s);
