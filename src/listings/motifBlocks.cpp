// The motif pieces that title blocks and listing blocks share: matrices and logos.
#include <iomanip>

#include "listings/listings.h"
#include "model/model.h"

namespace {
// Left-adjusted, 12 wide, six decimals. The settings stay on the stream, so every later
// number of the document is written in fixed notation with six decimals too.
void writeMatrix(std::ostream& out, const Matrix& m) {
    out << std::left << std::fixed << std::setprecision(6);
    for (const Row& row : m) {
        for (double v : row) out << std::setw(12) << v;
        out << std::endl;
    }
}
}  // namespace

void writeTextMotifBody(std::ostream& out, const data& motif, const char* revCompLabel) {
    out << "Original motif" << std::endl;
    writeMatrix(out, motif.matrix);
    out << "Consensus sequence: " << motif.consensus << std::endl
        << std::endl
        << revCompLabel << std::endl;
    writeMatrix(out, motif.revCompMatrix);
    out << "Consensus sequence: " << motif.revCompConsensus << std::endl;
}

std::string logoStem(const std::string& jobID, LogoStore store, std::int64_t motifID) {
    return jobID + "image/" + jobID + (store == LogoStore::Input ? "M" : "D") +
           std::to_string(motifID);
}

void writeHtmlMotifTable(std::ostream& out, const std::string& jobID, LogoStore store,
                         std::int64_t motifID, const data& motif, MotifTable table) {
    const char* const imageAttributes =
        "' align = 'left' width = '350' height = '100' border = '0'> ";
    const std::string image = logoStem(jobID, store, motifID);
    const auto cell = [&](const char* label, const std::string& consensus) {
        out << "<td><font size = '2'>" << label << consensus << "</font></td>" << std::endl
            << std::endl;
    };
    if (table == MotifTable::Compact) {
        out << "<table class='sansserif' width='1000' border = '0' cellSpacing = '1' "
               "cellPadding = '1' >"
            << std::endl
            << "<col width= '500'>" << std::endl
            << "<col width= '500'>" << std::endl
            << "<tr>" << std::endl;
        cell("Original motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus sequence: ", motif.consensus);
        cell("Reverse complement motif&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Consensus sequence: ",
             motif.revCompConsensus);
        out << "</tr>" << std::endl;
    } else {
        out << "<table class='sansserif' width='1200' border = '0' cellSpacing = '1' "
               "cellPadding = '1' >"
            << std::endl
            << "<col width= '600'>" << std::endl
            << "<col width= '600'>" << std::endl
            << "<tr>" << std::endl;
        cell("Original motif", "");
        cell("Reverse complement motif", "");
        out << "</tr>" << std::endl << "<tr>" << std::endl;
        cell("Consensus sequence: ", motif.consensus);
        cell("Consensus sequence: ", motif.revCompConsensus);
        out << "</tr>" << std::endl;
    }
    out << "<tr>" << std::endl
        << "<td></td>" << std::endl
        << "<td></td>" << std::endl
        << "</tr>" << std::endl
        << "<tr>" << std::endl
        << "<td><img src = '" << image << ".jpeg'name = 'Image" << motifID << imageAttributes
        << "</td>" << std::endl
        << "<td><img src = '" << image << "RevComp.jpeg'name = 'ImageRevComp" << motifID
        << imageAttributes << "</td>" << std::endl
        << "</tr>" << std::endl
        << "</table>" << std::endl;
}
