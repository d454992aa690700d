// Best database matches of one input motif in the database report without matrices.
#include "listings/databaseLooks.h"

void WriteDatabaseTopResultsListWithoutMotif(RunState& s, bestMatchList list,
                                             std::int32_t listKind, std::int64_t topMotifID) {
    writeTextListing(s,
                     databaseTextLook(ReportDoc::DatabaseMatchingWithoutMotif, Body::ConsensusOnly),
                     list, topMotifID, shownFor(listKind, topMotifID));
}
