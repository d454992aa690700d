// Best matches of one motif in the HTML report of all matches.
#include "listings/comparisonLooks.h"

void WriteTopResultsListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                             std::int64_t topMotifID) {
    writeHtmlListing(s, comparisonHtmlLook(ReportDoc::ResultsHTML, kAllMatchesHtmlRows), list,
                     topMotifID, shownFor(listKind, topMotifID));
}
