// Toolkit, merge and combination tests: shared motif builder.
#include "align/alignSupport.h"

#include "support/support.h"

data oneHotMotif(std::int64_t id, std::int32_t dataset, const std::string& name,
                 std::string_view bases) {
    return completedMotif(id, dataset, name, oneHot(bases));
}
