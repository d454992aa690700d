// The two-line alignment drawing that every listing prints.
#include <algorithm>
#include <cstdint>

#include "listings/listings.h"

namespace {
std::string dashes(std::int64_t count) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), '-') : std::string();
}

const std::string& drawn(const data& motif, Strand strand) {
    return strand == Strand::Original ? motif.consensus : motif.revCompConsensus;
}
}  // namespace

AlignmentLines getAlignmentLines(const dataCombinedScore& r, const data& top, const data& partner,
                                 TopPlace topPlace) {
    const bool topFirst = topPlace == TopPlace::First;
    const data& first = topFirst ? top : partner;
    const data& second = topFirst ? partner : top;
    const std::string& firstText = drawn(first, strandOfMotif1(r));
    const std::string& secondText = drawn(second, strandOfMotif2(r));

    // Counts in 64-bit signed arithmetic: a consensus shorter than its matrix can make
    // any of them negative, and a negative count means no dashes, never a huge run.
    const std::int64_t firstLength = static_cast<std::int64_t>(first.consensus.size());
    const std::int64_t secondLength = static_cast<std::int64_t>(second.consensus.size());
    const std::int64_t span = firstLength + secondLength - r.overlapLength;
    const std::int64_t offset = std::max<std::int64_t>(0, std::int64_t{r.position} - 1);
    const std::string lead = dashes(offset);

    // position - 1 is the offset of the record's first motif against its second.
    std::string firstLine, secondLine;
    if (r.direction == Direction::Forward) {
        firstLine = lead + firstText + dashes(span - firstLength - offset);
        secondLine = secondText + dashes(span - secondLength);
    } else {
        firstLine = dashes(span - firstLength - offset) + firstText + lead;
        secondLine = dashes(span - secondLength) + secondText;
    }
    if (topFirst) return {std::move(secondLine), std::move(firstLine)};
    return {std::move(firstLine), std::move(secondLine)};
}
