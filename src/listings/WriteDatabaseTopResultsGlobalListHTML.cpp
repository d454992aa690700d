// Best database matches of one global representative in the global database HTML report.
#include "listings/databaseLooks.h"

void WriteDatabaseTopResultsGlobalListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                                           std::int64_t topMotifID) {
    writeHtmlListing(s,
                     databaseHtmlLook(ReportDoc::DatabaseGlobalMatchingHTML,
                                      kDatabaseGlobalHtmlRowsTopFirst,
                                      kDatabaseGlobalHtmlRowsTopSecond),
                     list, topMotifID, shownFor(listKind, topMotifID));
}
