// The closing panel of an HTML block: the matched motif's consensus strings and logos.
#include "listings/listingTemplates.h"

void writeHtmlMotifPanel(std::ostream& out, const std::string& jobID, std::int64_t motifID,
                         const data& motif) {
    const char* const imageAttributes =
        "' align = 'left' width = '350' height = '100' border = '0'> ";
    const std::string image = jobID + "image/" + jobID + "M" + std::to_string(motifID);
    out << "<p>" << std::endl;
    out << "<table class='sansserif' width='1000' border = '0' cellSpacing = '1' "
           "cellPadding = '1' >"
        << std::endl;
    out << "<col width= '500'>" << std::endl;
    out << "<col width= '500'>" << std::endl;
    out << "<tr>" << std::endl;
    out << "<td><font size = '2'>Original motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus sequence: "
        << motif.consensus << "</font></td>" << std::endl;
    out << std::endl;
    out << "<td><font size = '2'>Reverse complement motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
           "Consensus sequence: "
        << motif.revCompConsensus << "</font></td>" << std::endl;
    out << std::endl;
    out << "</tr>" << std::endl;
    out << "<tr>" << std::endl;
    out << "<td></td>" << std::endl;
    out << "<td></td>" << std::endl;
    out << "</tr>" << std::endl;
    out << "<tr>" << std::endl;
    out << "<td><img src = '" << image << ".jpeg'name = 'Image" << motifID << imageAttributes
        << "</td>" << std::endl;
    out << "<td><img src = '" << image << "RevComp.jpeg'name = 'ImageRevComp" << motifID
        << imageAttributes << "</td>" << std::endl;
    out << "</tr>" << std::endl;
    out << "</table>" << std::endl;
    out << "</p>" << std::endl;
    out << "<p>" << std::endl;
    out << "<hr>" << std::endl;
    out << "</p>" << std::endl;
}
