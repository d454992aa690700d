// The header of every HTML document: the four reports and the two motif-tree documents.
// Style sheet, heading, and a box with the input parameters and the input-file table.
#include <string>

#include "documents/documents.h"
#include "model/model.h"

namespace {

enum class ShadowRule { Left, Written };
enum class LandscapeRule { Left, Written };
enum class FilesCaption { Plain, BlankBeforeBracket };

struct HtmlHeaderLook {
    ReportDoc document;
    ShadowRule shadowRule = ShadowRule::Left;
    LandscapeRule landscapeRule = LandscapeRule::Written;
    FilesCaption filesCaption = FilesCaption::Plain;
    const char* titleLevel = "1";     // the program's heading; INPUT and RESULTS two below
    const char* sectionLevel = "3";
    const char* parameterTableWidth = "600";
    const char* valueColumnWidth = "300";
    const char* datasetHeading = "Dataset number ";
};

// Tree documents: one heading level lower, a wider parameter table, portrait pages.
constexpr HtmlHeaderLook treeLook(ReportDoc d) {
    return {.document = d,
            .shadowRule = ShadowRule::Written,
            .landscapeRule = LandscapeRule::Left,
            .filesCaption = FilesCaption::BlankBeforeBracket,
            .titleLevel = "2",
            .sectionLevel = "4",
            .parameterTableWidth = "700",
            .valueColumnWidth = "400",
            .datasetHeading = "Dataset #"};
}

void cell(std::ostream& out, const std::string& text) {
    out << "<td><font size = '2'>" << text << "</font></td>" << std::endl;
}
void headingCell(std::ostream& out, const char* text) {
    out << "<td><b><font size = '2'>" << text << "</font></b></td>" << std::endl;
}

template <typename Value>
void parameterRow(std::ostream& out, const char* label, const Value& value) {
    out << "<tr>" << std::endl;
    cell(out, label);
    out << "<td><font size = '2'>" << value << "</font></td>" << std::endl;
    out << "</tr>" << std::endl;
}

void writeHeader(RunState& s, const HtmlHeaderLook& look) {
    std::ofstream& out = openDocument(s, look.document, OpenMode::Truncate);
    out << "<html>" << std::endl
        << "<head>" << std::endl
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />" << std::endl
        << "<title>KELVANOR Results</title>" << std::endl
        << "<style type = 'text/css'>" << std::endl
        << ".boxed {<br>&nbsp;&nbsp; border: 2px solid #B0B0B0 ; padding: 7px;<br>}" << std::endl
        << ".sansserif {font-family: Verdana}" << std::endl;
    if (look.shadowRule == ShadowRule::Written)
        out << ".textshadow {text-shadow: 1px 1px 1px #333;}" << std::endl;
    out << "html{-webkit-font-smoothing: antialiased;}" << std::endl;
    if (look.landscapeRule == LandscapeRule::Written)
        out << "@media print{@page {size: landscape}}" << std::endl;
    out << "@page { @bottom-right { content: 'Page ' counter(page) ' of ' counter(pages); } }"
        << std::endl
        << "</style>" << std::endl
        << "</head>" << std::endl
        << "<body>" << std::endl
        << "<h" << look.titleLevel
        << " class='sansserif' style='text-shadow: 2px 2px 2px #999'> KELVANOR - Vorlantic </h"
        << look.titleLevel << ">" << std::endl
        << "<p><b class='sansserif'>Version 2.2 </b></p>" << std::endl
        << "<div><h" << look.sectionLevel << " class='sansserif'> INPUT </h" << look.sectionLevel
        << "></div>" << std::endl
        << "<div class = 'boxed'>" << std::endl
        << "<b class='sansserif'><font size = '2'>Input Parameters </font></b>" << std::endl
        << "<table class='sansserif' width = '" << look.parameterTableWidth
        << "' border = '0' cellSpacing = '1' cellPadding = '1'>" << std::endl
        << "<col width= '300'>" << std::endl
        << "<col width= '" << look.valueColumnWidth << "'>" << std::endl;
    parameterRow(out, "Number of files: ", s.numFile);
    parameterRow(out, "Number of top significant motifs: ", s.numTopMotif);
    parameterRow(out, "Number of best matches: ", s.numBestMatches);
    parameterRow(out, "Similarity cutoff >= ", s.simCutoff);
    parameterRow(out, "Matching motif database: ", databaseDisplayName(s));
    parameterRow(out, "Motif tree: ", s.motifCluster ? "Yes" : "No");
    parameterRow(out, "Combined similar motifs: ", s.combinedMotifFlag ? "Yes" : "No");
    parameterRow(out, "Output file type: ", answerText(s.outputFileType));
    parameterRow(out, "Output file format: ", answerText(s.outputFileFormat));
    out << "</table>" << std::endl
        << "<br>" << std::endl
        << (look.filesCaption == FilesCaption::Plain ? "<b class='sansserif'>"
                                                     : "<b class='sansserif' >")
        << "<font size = '2'> Input files and motif counts </font></b>" << std::endl
        << "<table class='sansserif' width='700' border = '0' cellSpacing = '1' cellPadding = '1' >"
        << std::endl
        << "<col width= '450'>" << std::endl
        << "<col width= '150'>" << std::endl
        << "<col width= '150'>" << std::endl
        << "<tr>" << std::endl;
    headingCell(out, "File name");
    headingCell(out, "Count of motifs");
    headingCell(out, look.datasetHeading);
    out << "</tr>" << std::endl;
    for (const fileNameAndType& f : s.FileNameType) {
        out << "<tr>" << std::endl;
        // File names are the user's text, not markup.
        cell(out, htmlEscaped(f.fileName));
        cell(out, std::to_string(f.motifCount));
        cell(out, std::to_string(f.datasetNumber));
        out << "</tr>" << std::endl;
    }
    out << "</table>" << std::endl
        << "</div>" << std::endl
        << "<br>" << std::endl
        << "<h" << look.sectionLevel << " class='sansserif'> RESULTS </h" << look.sectionLevel
        << ">" << std::endl;
    out.close();
}

}  // namespace

void writeHeaderGlobalHTMLOrPDF(RunState& s) {
    writeHeader(s, {.document = ReportDoc::GlobalMatchingHTML});
}
void writeHeaderGlobalHTMLOrPDFDatabaseMatch(RunState& s) {
    writeHeader(s, {.document = ReportDoc::DatabaseGlobalMatchingHTML});
}
void writeHeaderHTMLOrPDF(RunState& s) {
    writeHeader(s, {.document = ReportDoc::ResultsHTML,
                    .shadowRule = ShadowRule::Written,
                    .filesCaption = FilesCaption::BlankBeforeBracket});
}
void writeHeaderHTMLOrPDFDatabaseMatch(RunState& s) {
    writeHeader(s, {.document = ReportDoc::DatabaseMatchingHTML});
}
void writeHeaderMotifTreeGlobalHTMLOrPDF(RunState& s) {
    writeHeader(s, treeLook(ReportDoc::MotifTreeGlobal));
}
void writeHeaderMotifTreeHTMLOrPDF(RunState& s) { writeHeader(s, treeLook(ReportDoc::MotifTree)); }
