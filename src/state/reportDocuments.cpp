// The table of report documents: default names, when each exists, how each is opened.
#include <array>

#include "state/state.h"

namespace {
constexpr std::array<const char*, kReportDocCount> kDefaultNames{
    "Results_Global_Matching.txt",
    "Results_Database_Matching_Global_Matching.txt",
    "HTML_Global_Matching_Results.html",
    "HTML_Results_Database_Matching_Global_Matching.html",
    "Results.txt",
    "Results_Without_Motif_Details.txt",
    "HTML_Results.html",
    "Results_Database_Matching.txt",
    "Results_Database_Matching_Without_Motif_Details.txt",
    "HTML_Results_Database_Matching.html",
    "Results_Combined_Motifs_Global_Matching.txt",
    "Results_Combined_Motifs_Global_and_Local_Matching.txt",
    "Results_Combined_Motifs_Best_Matches.txt",
    "Global_Matching_Motif_Tree.html",
    "Motif_Tree.html",
};
}  // namespace

const char* defaultDocumentName(ReportDoc d) {
    return kDefaultNames[static_cast<std::size_t>(d) - 1];
}

bool documentExists(const RunState& s, ReportDoc d) {
    const bool text = textFormat(s), html = htmlFormat(s), all = typeAll(s);
    const bool db = databaseChosen(s), combine = s.combinedMotifFlag;
    const bool tree = s.motifCluster;
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
    std::ofstream& stream = s.documents[d].stream;
    stream.open(s.documents[d].path, mode == OpenMode::Truncate ? std::ios::out | std::ios::trunc
                                                                : std::ios::out | std::ios::app);
    if (!stream.is_open()) fatal(s, Fatal::BadOutputPath);
    return stream;
}

void nameDocuments(RunState& s) {
    for (int k = 1; k <= kReportDocCount; ++k) {
        ReportDocument& doc = s.documents[static_cast<ReportDoc>(k)];
        doc.name = s.jobID + defaultDocumentName(static_cast<ReportDoc>(k));
        doc.path = s.outputPath + doc.name;
    }
}
