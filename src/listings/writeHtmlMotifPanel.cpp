// The closing panel of an HTML block: the matched motif's consensus strings and logos.
#include "listings/listingTemplates.h"

void writeHtmlMotifPanel(std::ostream& out, const std::string& jobID, LogoStore store,
                         MotifTable table, std::int64_t motifID, const data& motif) {
    out << "<p>" << std::endl;
    writeHtmlMotifTable(out, jobID, store, motifID, motif, table);
    out << "</p>" << std::endl;
    out << "<p>" << std::endl;
    out << "<hr>" << std::endl;
    out << "</p>" << std::endl;
}
