// Best matches of one motif in the text report that gives consensus strings, no matrices.
#include "listings/comparisonLooks.h"

void WriteTopResultsListWithoutMotif(RunState& s, bestMatchList list, std::int32_t listKind,
                                     std::int64_t topMotifID) {
    writeTextListing(s,
                     {.document = ReportDoc::ResultsWithoutMotif,
                      .find = findInputMatch,
                      .columns = kComparisonColumns,
                      .body = Body::ConsensusOnly},
                     list, topMotifID, shownFor(listKind, topMotifID));
}
