// Best database matches of one input motif in the database text report.
#include "listings/databaseLooks.h"

void WriteDatabaseTopResultsList(RunState& s, bestMatchList list, std::int32_t listKind,
                                 std::int64_t topMotifID) {
    writeTextListing(s, databaseTextLook(ReportDoc::DatabaseMatching, Body::Matrices), list,
                     topMotifID, shownFor(listKind, topMotifID));
}
