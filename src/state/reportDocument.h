// The fifteen report documents: one name, path and long-lived stream each.
#pragma once

#include <array>
#include <cstddef>
#include <fstream>
#include <string>

// Numbered in the order the run calls their header writers. Each comment names the
// document's name, path and stream as the run state has always called them.
enum class ReportDoc {
    GlobalMatchingText = 1,  // outputGlobalMatchingFile, outputFileGlobalMatchingLocation, myGlobalMatchingFile
    DatabaseGlobalMatchingText,  // outputDatabaseMatchingGlobalMatchingFile, ...Location, myDatabaseMatchingGlobalMatchingFile
    GlobalMatchingHTML,  // outputHTMLGlobalMatchingFile, ...Location, myHTMLGlobalMatchingFile
    DatabaseGlobalMatchingHTML,  // outputDatabaseMatchingGlobalMatchingHTMLFile, ...Location, myDatabaseMatchingGlobalMatchingHTMLFile
    Results,              // outputFile, outputFileLocation, myfile
    ResultsWithoutMotif,  // outputFileWithoutMotif, outputFileWithoutMotifLocation, myfileWithoutMotif
    ResultsHTML,          // outputHTMLFile, outputHTMLFileLocation, myHTMLFile
    DatabaseMatching,     // outputDatabaseMatchingFile, ...Location, myDatabaseMatchingFile
    DatabaseMatchingWithoutMotif,  // outputDatabaseMatchingFileWithoutMotif, ...Location, myDatabaseMatchingFileWithoutMotif
    DatabaseMatchingHTML,  // outputDatabaseMatchingHTMLFile, ...Location, myDatabaseMatchingHTMLFile
    CombinedGlobal,        // outputCombinedMatrixGlobalFile, ...Location, myCombinedMatrixGlobalFile
    CombinedGlobalAndLocal,  // outputCombinedMatrixGlobalAndLocalFile, ...Location, myCombinedMatrixGlobalAndLocalFile
    CombinedBestMatches,   // outputCombinedMatrixBestMatchesFile, ...Location, myCombinedMatrixBestMatchesFile
    MotifTreeGlobal,       // outputMotifTreeGlobalHTMLFile, ...Location, myMotifTreeGlobalMatchingFile
    MotifTree,             // outputMotifTreeHTMLFile, outputMotifTreeHTMLFileLocation, myMotifTreeFile
};
inline constexpr int kReportDocCount = 15;

// The file name a document has before the job identifier is put in front of it.
const char* defaultDocumentName(ReportDoc d);

struct ReportDocument {
    std::string name;  // job identifier + default name, once the identifier is drawn
    std::string path;  // output folder + name
    // Lives for the whole run and is closed between writers; its format state carries
    // from one writer to the next.
    std::ofstream stream;
};

struct ReportDocuments {
    std::array<ReportDocument, kReportDocCount> slots;
    ReportDocument& operator[](ReportDoc d) { return slots[static_cast<std::size_t>(d) - 1]; }
    const ReportDocument& operator[](ReportDoc d) const {
        return slots[static_cast<std::size_t>(d) - 1];
    }
};
