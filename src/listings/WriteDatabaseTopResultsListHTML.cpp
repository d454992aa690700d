// Best database matches of one input motif in the database HTML report.
#include "listings/databaseLooks.h"

void WriteDatabaseTopResultsListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                                     std::int64_t topMotifID) {
    writeHtmlListing(s,
                     databaseHtmlLook(ReportDoc::DatabaseMatchingHTML, kDatabaseHtmlRows,
                                      kDatabaseHtmlRows),
                     list, topMotifID, shownFor(listKind, topMotifID));
}
