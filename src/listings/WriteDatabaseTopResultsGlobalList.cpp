// Best database matches of one global representative in the global database text report.
#include "listings/databaseLooks.h"

void WriteDatabaseTopResultsGlobalList(RunState& s, bestMatchList list, std::int32_t listKind,
                                       std::int64_t topMotifID) {
    writeTextListing(s, databaseTextLook(ReportDoc::DatabaseGlobalMatchingText, Body::Matrices),
                     list, topMotifID, shownFor(listKind, topMotifID));
}
