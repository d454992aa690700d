// The header of every plain-text report: banner, input parameters, input-file table.
#include <iomanip>
#include <string>

#include "documents/documents.h"

namespace {

enum class BlankBeforeFiles { Written, Left };
enum class OneFileNotice { Never, WhenOneFile };

struct TextHeaderLook {
    ReportDoc document;
    BlankBeforeFiles blankBeforeFiles = BlankBeforeFiles::Written;
    OneFileNotice oneFileNotice = OneFileNotice::Never;
};

const std::string kBanner(196, '*');

void writeHeader(RunState& s, const TextHeaderLook& look) {
    std::ofstream& out = openDocument(s, look.document, OpenMode::Truncate);
    out << kBanner << std::endl
        << "KELVANOR - Vorlantic" << std::endl
        << "Version 2.2" << std::endl
        << std::endl
        << kBanner << std::endl
        << "INPUT" << std::endl
        << kBanner << std::endl
        << std::endl
        << "Input Parameters " << std::endl
        << "Number of files: " << s.numFile << std::endl
        << "Number of top significant motifs: " << s.numTopMotif << std::endl
        << "Number of best matches: " << s.numBestMatches << std::endl
        << "Similarity cutoff: >= " << s.simCutoff << std::endl
        << "Matching motif database: " << databaseDisplayName(s) << std::endl
        << "Motif tree: " << (s.motifCluster ? "Yes" : "No") << std::endl
        << "Combined similar motifs: " << (s.combinedMotifFlag ? "Yes" : "No") << std::endl
        << "Output file type: " << answerText(s.outputFileType) << std::endl
        << "Output file format: " << answerText(s.outputFileFormat) << std::endl;
    if (look.blankBeforeFiles == BlankBeforeFiles::Written) out << std::endl;
    out << "Input files and motif counts" << std::endl;

    std::size_t longest = 0;
    for (const fileNameAndType& f : s.FileNameType) longest = std::max(longest, f.fileName.size());
    const int nameWidth = static_cast<int>(longest) + 10;
    // Left adjustment stays on the stream for the document's later writers.
    out << std::left << std::setw(nameWidth) << "File name" << std::setw(20) << "Count of motifs"
        << std::setw(15) << "Dataset #" << std::endl;
    for (const fileNameAndType& f : s.FileNameType)
        out << std::setw(nameWidth) << f.fileName << std::setw(20) << f.motifCount
            << std::setw(15) << f.datasetNumber << std::endl;

    out << std::endl
        << kBanner << std::endl
        << "RESULTS" << std::endl
        << kBanner << std::endl
        << std::endl;
    if (look.oneFileNotice == OneFileNotice::WhenOneFile && s.numFile == 1)
        out << "There is no global matching for 1 motif file." << std::endl << std::endl;
    out.close();
}

}  // namespace

void writeHeaderGlobalText(RunState& s) {
    writeHeader(s, {.document = ReportDoc::GlobalMatchingText});
}
void writeHeaderGlobalTextDatabaseMatch(RunState& s) {
    writeHeader(s, {.document = ReportDoc::DatabaseGlobalMatchingText});
}
void writeHeaderText(RunState& s) { writeHeader(s, {.document = ReportDoc::Results}); }
void writeHeaderTextWithoutMotif(RunState& s) {
    writeHeader(s, {.document = ReportDoc::ResultsWithoutMotif});
}
void writeHeaderTextDatabaseMatch(RunState& s) {
    writeHeader(s, {.document = ReportDoc::DatabaseMatching});
}
void writeHeaderTextWithoutMotifDatabaseMatch(RunState& s) {
    writeHeader(s, {.document = ReportDoc::DatabaseMatchingWithoutMotif,
                    .blankBeforeFiles = BlankBeforeFiles::Left});
}
void writeHeaderCombinedMatrixGlobal(RunState& s) {
    writeHeader(s, {.document = ReportDoc::CombinedGlobal,
                    .oneFileNotice = OneFileNotice::WhenOneFile});
}
void writeHeaderCombinedMatrixGlobalAndLocal(RunState& s) {
    writeHeader(s, {.document = ReportDoc::CombinedGlobalAndLocal});
}
void writeHeaderCombinedMatrixBestMatches(RunState& s) {
    writeHeader(s, {.document = ReportDoc::CombinedBestMatches});
}
