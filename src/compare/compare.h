// Motif comparison and ranking: pair scans, best values, similarity keys, best matches,
// rankings, distance matrices and the comparison report sections.
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

void getMaxScores(RunState& s);
void calculateSumScoresCompare(RunState& s);

// Half the sum of the record's distances from its first motif's best values.
inline double similarityKey(const dataCombinedScore& r, const maxScores& first) {
    return (static_cast<double>(overlapDifference(r, first)) + scoreDifference(r, first)) *
           0.5;
}

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

// Ranking, report sections, motif groups and distance matrices of the input comparison.
void getResultsList(RunState& s);

// ---- Distance matrices for the motif tree ----------------------------------------------

// maxSumScoreCompare and distanceMatrix over every input motif, from the sorted groups.
void fillDistanceMatrix(RunState& s, const std::vector<MatchGroup>& groups);
// distanceMatrixGlobal over the top global motifs and their partners, from distanceMatrix.
void fillDistanceMatrixGlobal(RunState& s);

// ---- Comparison report sections --------------------------------------------------------

enum class ComparisonSection : std::uint8_t { GlobalMatching, GlobalAndLocal, EachMotif };

// One listed motif of a section in one document: its title block, then its listing.
void writeListedMotif(RunState& s, ComparisonSection section, ReportDoc d,
                      const bestMatchList& list, std::int64_t motifID);

// The global-matching section of every document the answers ask for.
void writeGlobalMatchingSections(RunState& s, const std::vector<bestMatchList>& globalLists);
// The one-file notice in place of the global-matching sections.
void writeOneFileNotices(RunState& s);
// The global-and-local sections, then the each-motif sections.
void writeAllMatchesSections(RunState& s, const std::vector<bestMatchList>& allLists);

// ---- Diagnostic dumps ------------------------------------------------------------------

// Which stores a dumped list's identifiers refer to.
enum class ListSource : std::uint8_t { InputComparison, DatabaseMatching, DatabaseGlobalMatching };

// DatasetsCombinedScoreLists, tab-separated, into outputPath + "combinedScore.txt".
void writeCombinedScoreList(RunState& s);
// Any result list, tab-separated, into outputPath + "ScoreDBG" + n + ".txt".
void writeScoreList(RunState& s, std::vector<dataCombinedScore> list, std::int64_t n,
                    ListSource source = ListSource::InputComparison);
