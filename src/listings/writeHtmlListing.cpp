// The HTML record block shared by the HTML listings: key/value table, alignment, panel.
#include "listings/listingTemplates.h"

namespace {
void writeKeyValueTable(std::ostream& out, const HtmlLook& look, const HtmlFrame& frame,
                        const dataCombinedScore& r, const ListedMatch& match) {
    out << frame.tableTag << std::endl;
    out << "<col width= '300'>" << std::endl;
    out << "<col width= '" << look.valueColumnWidth << "'>" << std::endl;
    for (const HtmlRow& row : frame.rows) {
        out << "<tr>" << std::endl;
        out << "<td><font size = '2'>" << htmlLabel(row.column, match) << "</font></td>"
            << std::endl;
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
        const HtmlFrame& frame = match.topPlace == TopPlace::First ? look.topFirst : look.topSecond;
        writeKeyValueTable(out, look, frame, r, match);
        out << "<br>" << std::endl;
        out << frame.alignmentHeading << std::endl;
        out << "<br>" << std::endl;
        out << "<font face = 'Courier New'>" << lines.partner << "</font>" << std::endl;
        out << "<br>" << std::endl;
        out << "<font face = 'Courier New'>" << lines.top << "</font>" << std::endl;
        writeHtmlMotifPanel(out, s.jobID, look.panelStore, look.panelTable, match.partnerID,
                            *match.partner);
    });
}
