// Report document frames (headers, footers), HTML-to-PDF conversion and motif logo images.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "state/outsideProgram.h"
#include "state/state.h"

// How the chosen database is shown to the reader; "None" when none was chosen.
inline const char* databaseDisplayName(const RunState& s) {
    return s.DBName ? s.DBName->displayName : "None";
}

// Text headers: each creates (empties) its document and writes the banner, the input
// parameters and the input-file table. The table leaves left adjustment on the stream.
void writeHeaderGlobalText(RunState& s);
void writeHeaderGlobalTextDatabaseMatch(RunState& s);
void writeHeaderText(RunState& s);
void writeHeaderTextWithoutMotif(RunState& s);
void writeHeaderTextDatabaseMatch(RunState& s);
void writeHeaderTextWithoutMotifDatabaseMatch(RunState& s);
void writeHeaderCombinedMatrixGlobal(RunState& s);
void writeHeaderCombinedMatrixGlobalAndLocal(RunState& s);
void writeHeaderCombinedMatrixBestMatches(RunState& s);

// HTML headers of the four HTML reports and the two motif-tree documents.
void writeHeaderGlobalHTMLOrPDF(RunState& s);
void writeHeaderGlobalHTMLOrPDFDatabaseMatch(RunState& s);
void writeHeaderHTMLOrPDF(RunState& s);
void writeHeaderHTMLOrPDFDatabaseMatch(RunState& s);
void writeHeaderMotifTreeGlobalHTMLOrPDF(RunState& s);
void writeHeaderMotifTreeHTMLOrPDF(RunState& s);

// Footers: creation time and run time, printed in whatever format the document's stream
// holds; the HTML ones close the page.
void writeFooterGlobalText(RunState& s);
void writeFooterGlobalTextDatabaseMatch(RunState& s);
void writeFooterText(RunState& s);
void writeFooterTextWithoutMotif(RunState& s);
void writeFooterTextDatabaseMatch(RunState& s);
void writeFooterTextWithoutMotifDatabaseMatch(RunState& s);
void writeFooterCombinedMatrixGlobal(RunState& s);
void writeFooterCombinedMatrixGlobalAndLocal(RunState& s);
void writeFooterCombinedMatrixBestMatches(RunState& s);
void writeFooterGlobalHTMLOrPDF(RunState& s);
void writeFooterGlobalHTMLOrPDFDatabaseMatch(RunState& s);
void writeFooterHTMLOrPDF(RunState& s);
void writeFooterHTMLOrPDFDatabaseMatch(RunState& s);
void writeFooterMotifTreeGlobalHTMLOrPDF(RunState& s);
void writeFooterMotifTreeHTMLOrPDF(RunState& s);

// Converters: each has its HTML document made into a PDF beside it by a generated PHP
// script; with output format "PDF" the HTML document goes once its PDF is there.
// Failures are warned about on the warnings stream; the run goes on.
void convertHTMLToPDFGlobal(RunState& s);
void convertHTMLToPDFGlobalDatabaseMatch(RunState& s);
void convertHTMLToPDF(RunState& s);
void convertHTMLToPDFDatabaseMatch(RunState& s);
void convertHTMLToPDFMotifTreeGlobal(RunState& s);
void convertHTMLToPDFMotifTree(RunState& s);

// The conversion script for one document, loading the converter's wrapper from the
// working directory.
std::string conversionScript(const std::string& workingDirectory, const std::string& documentPath);
// Text for inside a single-quoted PHP string.
std::string phpStringEscaped(const std::string& text);

// Logo images: two JPEGs (the motif and its reverse complement) per motif of the store,
// drawn by the logo generator beside the output folder. A failed image is warned about.
void writeMotif(RunState& s);
void writeDatabaseMotif(RunState& s);
void writeMotifImage(RunState& s, Matrix matrix, std::int64_t motifID);
void writeDatabaseMotifImage(RunState& s, Matrix matrix, std::int64_t motifID);

// The matrix as the logo generator reads it.
void writeCountFile(std::ostream& out, const Matrix& matrix);
enum class LogoStrand { Motif, ReverseComplement };
// The generator's call that draws one logo from a count file into an image file: the
// generator beside the output folder, fixed options, the count file as standard input.
OutsideCall logoCall(const std::string& inputPath, const std::string& countPath,
                     const std::string& imagePath, LogoStrand strand);

// The run's frames in document order: headers and footers of every document the answers
// ask for, and the conversion of every HTML document among them.
void writeHeaders(RunState& s);
void writeFooters(RunState& s);
void convertHTMLDocuments(RunState& s);
