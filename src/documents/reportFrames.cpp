// Which writers frame which document, in the order the run calls them.
#include <array>

#include "documents/documents.h"

namespace {

using Writer = void (*)(RunState&);

struct Frame {
    ReportDoc document;
    Writer header;
    Writer footer;
    Writer converter;  // HTML documents only
};

constexpr std::array<Frame, kReportDocCount> kFrames{{
    {ReportDoc::GlobalMatchingText, writeHeaderGlobalText, writeFooterGlobalText, nullptr},
    {ReportDoc::DatabaseGlobalMatchingText, writeHeaderGlobalTextDatabaseMatch,
     writeFooterGlobalTextDatabaseMatch, nullptr},
    {ReportDoc::GlobalMatchingHTML, writeHeaderGlobalHTMLOrPDF, writeFooterGlobalHTMLOrPDF,
     convertHTMLToPDFGlobal},
    {ReportDoc::DatabaseGlobalMatchingHTML, writeHeaderGlobalHTMLOrPDFDatabaseMatch,
     writeFooterGlobalHTMLOrPDFDatabaseMatch, convertHTMLToPDFGlobalDatabaseMatch},
    {ReportDoc::Results, writeHeaderText, writeFooterText, nullptr},
    {ReportDoc::ResultsWithoutMotif, writeHeaderTextWithoutMotif, writeFooterTextWithoutMotif,
     nullptr},
    {ReportDoc::ResultsHTML, writeHeaderHTMLOrPDF, writeFooterHTMLOrPDF, convertHTMLToPDF},
    {ReportDoc::DatabaseMatching, writeHeaderTextDatabaseMatch, writeFooterTextDatabaseMatch,
     nullptr},
    {ReportDoc::DatabaseMatchingWithoutMotif, writeHeaderTextWithoutMotifDatabaseMatch,
     writeFooterTextWithoutMotifDatabaseMatch, nullptr},
    {ReportDoc::DatabaseMatchingHTML, writeHeaderHTMLOrPDFDatabaseMatch,
     writeFooterHTMLOrPDFDatabaseMatch, convertHTMLToPDFDatabaseMatch},
    {ReportDoc::CombinedGlobal, writeHeaderCombinedMatrixGlobal, writeFooterCombinedMatrixGlobal,
     nullptr},
    {ReportDoc::CombinedGlobalAndLocal, writeHeaderCombinedMatrixGlobalAndLocal,
     writeFooterCombinedMatrixGlobalAndLocal, nullptr},
    {ReportDoc::CombinedBestMatches, writeHeaderCombinedMatrixBestMatches,
     writeFooterCombinedMatrixBestMatches, nullptr},
    {ReportDoc::MotifTreeGlobal, writeHeaderMotifTreeGlobalHTMLOrPDF,
     writeFooterMotifTreeGlobalHTMLOrPDF, convertHTMLToPDFMotifTreeGlobal},
    {ReportDoc::MotifTree, writeHeaderMotifTreeHTMLOrPDF, writeFooterMotifTreeHTMLOrPDF,
     convertHTMLToPDFMotifTree},
}};

}  // namespace

void writeHeaders(RunState& s) {
    for (const Frame& f : kFrames)
        if (documentExists(s, f.document)) f.header(s);
}

void writeFooters(RunState& s) {
    for (const Frame& f : kFrames)
        if (documentExists(s, f.document)) f.footer(s);
}

void convertHTMLDocuments(RunState& s) {
    if (!pdfFormat(s)) return;
    for (const Frame& f : kFrames)
        if (f.converter != nullptr && documentExists(s, f.document)) f.converter(s);
}
