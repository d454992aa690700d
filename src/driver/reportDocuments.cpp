// The table of report documents: names, paths, streams and when each exists.
#include <array>

#include "driver/driver.h"

namespace {
using R = RunState;
const std::array<DocumentSlot, kReportDocCount> kSlots{{
    {"Results_Global_Matching.txt", &R::outputGlobalMatchingFile,
     &R::outputFileGlobalMatchingLocation, &R::myGlobalMatchingFile},
    {"Results_Database_Matching_Global_Matching.txt", &R::outputDatabaseMatchingGlobalMatchingFile,
     &R::outputDatabaseMatchingGlobalMatchingFileLocation, &R::myDatabaseMatchingGlobalMatchingFile},
    {"HTML_Global_Matching_Results.html", &R::outputHTMLGlobalMatchingFile,
     &R::outputHTMLGlobalMatchingFileLocation, &R::myHTMLGlobalMatchingFile},
    {"HTML_Results_Database_Matching_Global_Matching.html",
     &R::outputDatabaseMatchingGlobalMatchingHTMLFile,
     &R::outputDatabaseMatchingGlobalMatchingHTMLFileLocation,
     &R::myDatabaseMatchingGlobalMatchingHTMLFile},
    {"Results.txt", &R::outputFile, &R::outputFileLocation, &R::myfile},
    {"Results_Without_Motif_Details.txt", &R::outputFileWithoutMotif,
     &R::outputFileWithoutMotifLocation, &R::myfileWithoutMotif},
    {"HTML_Results.html", &R::outputHTMLFile, &R::outputHTMLFileLocation, &R::myHTMLFile},
    {"Results_Database_Matching.txt", &R::outputDatabaseMatchingFile,
     &R::outputDatabaseMatchingFileLocation, &R::myDatabaseMatchingFile},
    {"Results_Database_Matching_Without_Motif_Details.txt",
     &R::outputDatabaseMatchingFileWithoutMotif,
     &R::outputDatabaseMatchingFileWithoutMotifLocation, &R::myDatabaseMatchingFileWithoutMotif},
    {"HTML_Results_Database_Matching.html", &R::outputDatabaseMatchingHTMLFile,
     &R::outputDatabaseMatchingHTMLFileLocation, &R::myDatabaseMatchingHTMLFile},
    {"Results_Combined_Motifs_Global_Matching.txt", &R::outputCombinedMatrixGlobalFile,
     &R::outputCombinedMatrixGlobalFileLocation, &R::myCombinedMatrixGlobalFile},
    {"Results_Combined_Motifs_Global_and_Local_Matching.txt",
     &R::outputCombinedMatrixGlobalAndLocalFile,
     &R::outputCombinedMatrixGlobalAndLocalFileLocation, &R::myCombinedMatrixGlobalAndLocalFile},
    {"Results_Combined_Motifs_Best_Matches.txt", &R::outputCombinedMatrixBestMatchesFile,
     &R::outputCombinedMatrixBestMatchesFileLocation, &R::myCombinedMatrixBestMatchesFile},
    {"Global_Matching_Motif_Tree.html", &R::outputMotifTreeGlobalHTMLFile,
     &R::outputMotifTreeGlobalHTMLFileLocation, &R::myMotifTreeGlobalMatchingFile},
    {"Motif_Tree.html", &R::outputMotifTreeHTMLFile, &R::outputMotifTreeHTMLFileLocation,
     &R::myMotifTreeFile},
}};
}  // namespace

const DocumentSlot& documentSlot(ReportDoc d) { return kSlots[static_cast<int>(d) - 1]; }

bool documentExists(const RunState& s, ReportDoc d) {
    const bool text = textFormat(s), html = htmlFormat(s), all = typeAll(s);
    const bool db = databaseChosen(s), combine = s.combinedMotifFlag == "Y";
    const bool tree = s.motifCluster == "Y";
    switch (d) {
    case ReportDoc::GlobalMatchingText: return text;
    case ReportDoc::DatabaseGlobalMatchingText: return text && db;
    case ReportDoc::GlobalMatchingHTML: return html;
    case ReportDoc::DatabaseGlobalMatchingHTML: return html && db;
    case ReportDoc::Results:
    case ReportDoc::ResultsWithoutMotif: return all && text;
    case ReportDoc::ResultsHTML: return all && html;
    case ReportDoc::DatabaseMatching:
    case ReportDoc::DatabaseMatchingWithoutMotif: return all && text && db;
    case ReportDoc::DatabaseMatchingHTML: return all && html && db;
    case ReportDoc::CombinedGlobal: return combine;
    case ReportDoc::CombinedGlobalAndLocal:
    case ReportDoc::CombinedBestMatches: return combine && all;
    case ReportDoc::MotifTreeGlobal: return tree && html;
    case ReportDoc::MotifTree: return tree && all && html;
    }
    return false;
}

std::ofstream& openDocument(RunState& s, ReportDoc d, OpenMode mode) {
    const DocumentSlot& slot = documentSlot(d);
    std::ofstream& stream = s.*slot.stream;
    stream.open(s.*slot.path, mode == OpenMode::Truncate ? std::ios::out | std::ios::trunc
                                                         : std::ios::out | std::ios::app);
    if (!stream.is_open()) fatal(s, Fatal::BadOutputPath);
    return stream;
}
