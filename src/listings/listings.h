// Per-motif listings of best matches: text and HTML blocks, alignment drawing.
#pragma once

#include <cstdint>

#include "driver/RunState.h"

// Each writer appends one block per record of the list to its document, in list order,
// and closes the document again; a document that cannot be opened ends the run.
// Writers with a listKind list records only for kinds 2 and 3 with topMotifID > 0.
void WriteTopResultsList(RunState& s, bestMatchList list, std::int32_t listKind,
                         std::int64_t topMotifID);
void WriteTopResultsListWithoutMotif(RunState& s, bestMatchList list, std::int32_t listKind,
                                     std::int64_t topMotifID);
void WriteTopResultsListHTML(RunState& s, bestMatchList list, std::int32_t listKind,
                             std::int64_t topMotifID);
void WriteTopResultsGlobalMatchingList(RunState& s, bestMatchList list,
                                       std::int64_t topMotifID);
void WriteTopResultsGlobalMatchingListHTML(RunState& s, bestMatchList list,
                                           std::int64_t topMotifID);
