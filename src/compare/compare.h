// Motif comparison and ranking: pair scans, best values, similarity keys, best matches,
// rankings, distance matrices and the comparison report sections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "driver/RunState.h"
#include "driver/driver.h"

// ---- The scan core -------------------------------------------------------------------

// Which motif of the pair (i before j) a scan body writes as the record's first motif.
enum class RecordOrder : std::uint8_t { pairOrder, mirroredOrder };

// One motif as a scan sees it; the matrices are borrowed, never copied.
struct ScanMotif {
    const Matrix* matrix = nullptr;
    const Matrix* revCompMatrix = nullptr;
    std::int32_t motifID = 0;
};
inline ScanMotif scanMotif(const data& m) {
    return {&m.matrix, &m.revCompMatrix, static_cast<std::int32_t>(m.motifID)};
}

struct ScanLimits {
    double maxScore = 1.0;      // score of a perfectly matching cell
    std::int32_t overlap = 4;   // fewest aligned rows
    double simCutoff = 0.0;     // smallest score kept
};
inline ScanLimits scanLimits(const RunState& s) {
    return {.maxScore = s.maxScore, .overlap = s.overlap, .simCutoff = s.simCutoff};
}

// Scores every placement of one pair in one direction with the order's motif first and
// appends a record for each placement whose best strand pairing reaches the cutoff.
// "One" of the pairings is always i and "Two" always j. A motif shorter than the overlap
// gives nothing.
void scanPair(const ScanMotif& i, const ScanMotif& j, RecordOrder order, Direction direction,
              const ScanLimits& limits, std::vector<dataCombinedScore>& out);

// Both bodies of a pair in one direction: pairOrder, then mirroredOrder.
void scanPairBothOrders(const ScanMotif& i, const ScanMotif& j, Direction direction,
                        const ScanLimits& limits, std::vector<dataCombinedScore>& out);

// Runs `taskCount` independent scan tasks on `threads` threads. Tasks are cut into
// contiguous chunks, each scanned into its own buffer by `scanTasks(first, last, buffer)`;
// the buffers are appended to `list` in task order, so the list is the same for any
// thread count.
using ScanTasks =
    std::function<void(std::size_t first, std::size_t last, std::vector<dataCombinedScore>&)>;
void parallelScan(std::size_t taskCount, int threads, const ScanTasks& scanTasks,
                  std::vector<dataCombinedScore>& list);

// The run's team size: the answered thread count (the runtime's default when unset).
int teamSize(const RunState& s);

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
