// The re-check of a merged matrix against its two parents.
#include "align/align.h"
#include "merge/merge.h"

bool mergeAccepted(const Matrix& merged, const Matrix& parent1, const Matrix& parent2,
                   double simCutoff) {
    return forwardAlignmentFound(merged, parent1, simCutoff) &&
           forwardAlignmentFound(merged, parent2, simCutoff);
}
