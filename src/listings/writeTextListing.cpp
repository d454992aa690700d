// The text record block shared by the text listings: table row, motif body, alignment.
#include <iomanip>

#include "listings/listingTemplates.h"

namespace {
std::int32_t columnWidth(Column column, std::int32_t motifNameLength) {
    switch (column) {
    case Column::MotifName: return motifNameLength + 10;
    case Column::MatchFormat1:
    case Column::MatchFormat2: return 40;
    default: return 15;
    }
}

// Cells are left-adjusted and padded, never cut: a longer text pushes the rest along.
void writeTableRows(std::ostream& out, const TextLook& look, const dataCombinedScore& r,
                    const ListedMatch& match, std::int32_t motifNameLength) {
    for (Column column : look.columns)
        out << std::left << std::setw(columnWidth(column, motifNameLength)) << textHeading(column);
    out << std::endl;
    for (Column column : look.columns) {
        out << std::left << std::setw(columnWidth(column, motifNameLength));
        writeCellValue(out, column, r, match, Markup::Text);
    }
    out << std::endl;
}

void writeBody(std::ostream& out, Body body, const data& motif) {
    switch (body) {
    case Body::Matrices: writeTextMotifBody(out, motif, "Reverse complement motif"); break;
    case Body::ConsensusOnly:
        out << "Consensus sequence (original motif): " << motif.consensus << std::endl;
        out << "Consensus sequence (reverse complement motif): " << motif.revCompConsensus
            << std::endl;
        break;
    }
}
}  // namespace

void writeTextListing(RunState& s, const TextLook& look, const bestMatchList& list,
                      std::int64_t topMotifID, Shown shown) {
    writeListingFrame(s, look.document, look.find, list, topMotifID, shown,
                      [&](std::ostream& out, const dataCombinedScore& r, const ListedMatch& match,
                          const AlignmentLines& lines) {
        writeTableRows(out, look, r, match, s.motifNameLength);
        out << std::endl;
        if (look.annotation == AnnotationLine::Written)
            out << annotationLabel(match.database) << ": " << match.partner->motifAnnotation
                << std::endl
                << std::endl;
        writeBody(out, look.body, *match.partner);
        out << std::endl;
        out << "Alignment:" << std::endl;
        out << lines.partner << std::endl;
        out << lines.top << std::endl;
        out << std::endl;
        out << std::string(196, '-') << std::endl;
    });
}
