// The report sections of the comparison, their per-motif listings of best matches (text
// and HTML blocks, alignment drawing) and the diagnostic dumps of result lists.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "compare/compare.h"
#include "state/state.h"

// ---- Report sections -------------------------------------------------------------------

enum class ComparisonSection : std::uint8_t {
    GlobalMatching,
    GlobalAndLocal,
    EachMotif,
    DatabaseGlobalMatching,  // database matches of the global representatives
    DatabaseEachMotif,       // database matches of every input motif
};

// One listed motif of a section in one document: its title block, then its listing.
void writeListedMotif(RunState& s, ComparisonSection section, ReportDoc d,
                      const bestMatchList& list, std::int64_t motifID);

// The global-matching section of every document the answers ask for.
void writeGlobalMatchingSections(RunState& s, const std::vector<bestMatchList>& globalLists);
// The one-file notice in place of the global-matching sections.
void writeOneFileNotices(RunState& s);
// The global-and-local sections, then the each-motif sections.
void writeAllMatchesSections(RunState& s, const std::vector<bestMatchList>& allLists);
// Every comparison section the run asks for, from the ranking's lists.
void writeComparisonSections(RunState& s, const ComparisonLists& lists);

// The database section of every document of the section the answers ask for: each input
// motif with a non-empty list, in motif order; lists[k] belongs to input motif k + 1.
void writeDatabaseSections(RunState& s, ComparisonSection section,
                           const std::vector<bestMatchList>& lists);

// ---- Motif pieces shared by title blocks and listing blocks ----------------------------

// "Original motif", its matrix and consensus, then the reverse complement under its label.
// Leaves the stream in fixed notation with six decimals.
void writeTextMotifBody(std::ostream& out, const data& motif, const char* revCompLabel);

// Which store a logo image belongs to: input motifs and database motifs are numbered alike.
enum class LogoStore : std::uint8_t { Input, Database };
// The path of a motif's logo images below the reports, without ".jpeg" / "RevComp.jpeg".
std::string logoStem(const std::string& jobID, LogoStore store, std::int64_t motifID);
// How a motif's consensus strings and logos are laid out: the comparison reports put each
// strand's label and consensus in one cell; the database reports give label, consensus
// and logo a row each.
enum class MotifTable : std::uint8_t { Compact, Wide };
// The consensus strings and the two logo images of a motif as one HTML table.
void writeHtmlMotifTable(std::ostream& out, const std::string& jobID, LogoStore store,
                         std::int64_t motifID, const data& motif,
                         MotifTable table = MotifTable::Compact);

// ---- Listings --------------------------------------------------------------------------

// Each writer appends one block per record of the list to its document, in list order,
// and closes the document again; a document that cannot be opened ends the run.
// Writers with a listKind list records only for kinds 2 and 3 with topMotifID > 0.
void WriteTopResultsList(RunState& s, bestMatchList list, std::int32_t listKind,
                         std::int64_t topMotifID);
void WriteTopResultsListWithoutMotif(RunState& s, bestMatchList list, std::int32_t listKind,
                                     std::int64_t topMotifID);
void WriteTopResultsListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                             std::int64_t topMotifID);
void WriteTopResultsGlobalMatchingList(RunState& s, bestMatchList list, std::int64_t topMotifID);
void WriteTopResultsGlobalMatchingListHTML(RunState& s, bestMatchList list,
                                           std::int64_t topMotifID);
// The database members list a database motif per record, with its species or taxon.
void WriteDatabaseTopResultsList(RunState& s, bestMatchList list, std::int32_t listKind,
                                 std::int64_t topMotifID);
void WriteDatabaseTopResultsListWithoutMotif(RunState& s, bestMatchList list,
                                             std::int32_t listKind, std::int64_t topMotifID);
void WriteDatabaseTopResultsListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                                     std::int64_t topMotifID);
void WriteDatabaseTopResultsGlobalList(RunState& s, bestMatchList list, std::int32_t listKind,
                                       std::int64_t topMotifID);
void WriteDatabaseTopResultsGlobalListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                                           std::int64_t topMotifID);

// The strand each motif of a record takes part in. matchFormat1/matchFormat2 follow the
// scan's pair order, not the record's: in a mirrored record (no matchFlag) matchFormat1
// belongs to motifID2.
inline Strand strandOfMotif1(const dataCombinedScore& r) {
    return r.matchFlag ? r.matchFormat1 : r.matchFormat2;
}
inline Strand strandOfMotif2(const dataCombinedScore& r) {
    return r.matchFlag ? r.matchFormat2 : r.matchFormat1;
}

// Which of the record's motifs is the listed (top) motif.
enum class TopPlace { First, Second };

// The two lines every listing prints under "Alignment:".
struct AlignmentLines {
    std::string partner;  // line 1: the matched motif
    std::string top;      // line 2: the listed motif
};

// Draws one record: each motif as the consensus of its own strand, the record's first
// motif shifted by position - 1 against its second, padded with '-' to a common width
// (forward records aligned on the left, backward ones on the right).
AlignmentLines getAlignmentLines(const dataCombinedScore& r, const data& top, const data& partner,
                                 TopPlace topPlace);

// ---- Diagnostic dumps ------------------------------------------------------------------

// Which stores a dumped list's identifiers refer to.
enum class ListSource : std::uint8_t { InputComparison, DatabaseMatching, DatabaseGlobalMatching };

// Where a dumped record's motifs and best values are looked up.
struct ScoreListStores {
    const std::vector<data>& firstOfScan;   // the scan's first motif (an input motif)
    const std::vector<data>& secondOfScan;  // the scan's second motif
    const std::vector<maxScores>& best;     // empty before the key pass: distances read 0
    bool bestOfScanFirst;  // best values kept for the scan's first motif, not motifID1
};
// Where a dump puts the matchFlag column, if anywhere.
enum class FlagColumn : std::uint8_t { Without, AfterNames, AfterMotifNumbers };
// One tab-ended line per record: direction, key, dataset and motif numbers, identifiers,
// names, placement, strands, score, the two distances and the key.
void writeScoreRecords(std::ostream& out, const std::vector<dataCombinedScore>& list,
                       const ScoreListStores& stores, FlagColumn flag);

// DatasetsCombinedScoreLists, tab-separated, into outputPath + "combinedScore.txt".
void writeCombinedScoreList(RunState& s);
// Any result list, tab-separated, into outputPath + "ScoreDBG" + n + ".txt".
void writeScoreList(RunState& s, std::vector<dataCombinedScore> list, std::int64_t n,
                    ListSource source = ListSource::InputComparison);
