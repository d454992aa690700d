// Best matches of one top motif in the global-matching HTML report.
#include "listings/comparisonLooks.h"

void WriteTopResultsGlobalMatchingListHTML(RunState& s, bestMatchList list,
                                           std::int64_t topMotifID) {
    writeHtmlListing(s, comparisonHtmlLook(ReportDoc::GlobalMatchingHTML, kGlobalMatchingHtmlRows),
                     list, topMotifID, Shown::AllRecords);
}
