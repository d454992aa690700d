// Per-motif listings of best matches: text and HTML blocks, alignment drawing.
#pragma once

#include <cstdint>
#include <string>

#include "state/state.h"

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
