// Best matches of one motif in the text report of all matches.
#include "listings/comparisonLooks.h"

void WriteTopResultsList(RunState& s, bestMatchList list, std::int32_t listKind,
                         std::int64_t topMotifID) {
    writeTextListing(s,
                     {.document = ReportDoc::Results,
                      .find = findInputMatch,
                      .columns = kComparisonColumns,
                      .body = Body::Matrices},
                     list, topMotifID, shownFor(listKind, topMotifID));
}
