// The HTML record block shared by the HTML listings: key/value table, alignment, panel.
#include "listings/listingTemplates.h"

namespace {
void writeKeyValueTable(std::ostream& out, const HtmlLook& look, const dataCombinedScore& r,
                        const ListedMatch& match) {
    out << "<table class='sansserif' width='600' border = '0' cellSpacing = '1' "
           "cellPadding = '1' >"
        << std::endl;
    out << "<col width= '300'>" << std::endl;
    out << "<col width= '300'>" << std::endl;
    for (const HtmlRow& row : look.rows) {
        out << "<tr>" << std::endl;
        out << "<td><font size = '2'>" << htmlLabel(row.column) << "</font></td>" << std::endl;
        out << "<td><font size = '2'>";
        writeCellValue(out, row.column, r, match, Markup::Html);
        out << (row.end == CellEnd::FontClosed ? "</font></td>" : "</td>") << std::endl;
        out << "</tr>" << std::endl;
    }
    out << "</table>" << std::endl;
}
}  // namespace

void writeHtmlListing(RunState& s, const HtmlLook& look, const bestMatchList& list,
                      std::int64_t topMotifID, Shown shown) {
    writeListingFrame(s, look.document, look.find, list, topMotifID, shown,
                      [&](std::ostream& out, const dataCombinedScore& r, const ListedMatch& match,
                          const AlignmentLines& lines) {
        writeKeyValueTable(out, look, r, match);
        out << "<br>" << std::endl;
        out << "<font face='Arial' size = '2'>Alignment:</font>" << std::endl;
        out << "<br>" << std::endl;
        out << "<font face = 'Courier New'>" << lines.partner << "</font>" << std::endl;
        out << "<br>" << std::endl;
        out << "<font face = 'Courier New'>" << lines.top << "</font>" << std::endl;
        writeHtmlMotifPanel(out, s.jobID, match.partnerID, *match.partner);
    });
}
