// Best matches of one top motif in the global-matching text report.
#include "listings/comparisonLooks.h"

void WriteTopResultsGlobalMatchingList(RunState& s, bestMatchList list, std::int64_t topMotifID) {
    writeTextListing(s,
                     {.document = ReportDoc::GlobalMatchingText,
                      .find = findInputMatch,
                      .columns = kComparisonColumns,
                      .body = Body::Matrices},
                     list, topMotifID, Shown::AllRecords);
}
