// The sections of the comparison and database reports: headings, motif title blocks,
// listing calls.
#include <span>
#include <string>

#include "listings/listings.h"
#include "model/model.h"

namespace {

using Section = ComparisonSection;
enum class TitleBlock { Matrix, Consensus, HTML };

// What sets one section's template apart from the others.
struct SectionLook {
    std::int32_t listKind;
    bool limited;  // at most numTopMotif motifs
    const char* textHeadingWords;
    int starsMatrix;     // K of the matrix title block's listing heading
    int starsConsensus;  // K of the consensus title block's listing heading
    int starsConsensusClosingAll;  // its closing run, with output format "All"
    const char* revCompLabel;
    int consensusBlankLines;
    const char* htmlTableTag;
    const char* htmlSeparator;
    const char* htmlHeadingWords;
    bool htmlClosesParagraph;
    MotifTable htmlMotifTable;
};

constexpr SectionLook kGlobalMatching{
    .listKind = 2,
    .limited = true,
    .textHeadingWords = " Best Matches for Top Significant Motif ID ",
    .starsMatrix = 63,
    .starsConsensus = 63,
    .starsConsensusClosingAll = 63,
    .revCompLabel = "Reverse complement motif",
    .consensusBlankLines = 2,
    .htmlTableTag = "<table class='sansserif' width='920' border = '0' cellSpacing = '1' "
                    "cellPadding = '1'>",
    .htmlSeparator = "<br>",
    .htmlHeadingWords = "<b> Best Matches for Top Significant Motif ID ",
    .htmlClosesParagraph = false,
    .htmlMotifTable = MotifTable::Compact,
};
constexpr SectionLook kGlobalAndLocal{
    .listKind = 2,
    .limited = true,
    .textHeadingWords = " Best Matches for Significant Motif ID ",
    .starsMatrix = 67,
    .starsConsensus = 62,
    .starsConsensusClosingAll = 62,
    .revCompLabel = "Reverse complement motif",
    .consensusBlankLines = 3,
    .htmlTableTag = "<table class='sansserif' width='920' border = '0' cellSpacing = '1' "
                    "cellPadding = '1' >",
    .htmlSeparator = "<p>",
    .htmlHeadingWords = "<b> Best Matches for Significant Motif ID ",
    .htmlClosesParagraph = true,
    .htmlMotifTable = MotifTable::Compact,
};
constexpr SectionLook kEachMotif{
    .listKind = 3,
    .limited = false,
    .textHeadingWords = " Best Matches for Motif ID ",
    .starsMatrix = 72,
    .starsConsensus = 72,
    .starsConsensusClosingAll = 72,
    .revCompLabel = "Reserve complement motif",
    .consensusBlankLines = 3,
    .htmlTableTag = "<table class='sansserif' width='900' border = '0' cellSpacing = '1' "
                    "cellPadding = '1' >",
    .htmlSeparator = "<p>",
    .htmlHeadingWords = "<b> Best Matches for Motif ID ",
    .htmlClosesParagraph = true,
    .htmlMotifTable = MotifTable::Compact,
};
// Both database sections: the each-motif look with the database reports' motif table and
// one star more closing the consensus heading when every format is asked for.
constexpr SectionLook databaseLook() {
    SectionLook look = kEachMotif;
    look.starsConsensusClosingAll = 73;
    look.htmlMotifTable = MotifTable::Wide;
    return look;
}
constexpr SectionLook kDatabase = databaseLook();

const SectionLook& lookOf(Section section) {
    switch (section) {
    case Section::GlobalMatching: return kGlobalMatching;
    case Section::GlobalAndLocal: return kGlobalAndLocal;
    case Section::EachMotif: return kEachMotif;
    case Section::DatabaseGlobalMatching:
    case Section::DatabaseEachMotif: break;
    }
    return kDatabase;
}

TitleBlock titleBlockOf(ReportDoc d) {
    switch (d) {
    case ReportDoc::ResultsWithoutMotif:
    case ReportDoc::DatabaseMatchingWithoutMotif: return TitleBlock::Consensus;
    case ReportDoc::ResultsHTML:
    case ReportDoc::GlobalMatchingHTML:
    case ReportDoc::DatabaseGlobalMatchingHTML:
    case ReportDoc::DatabaseMatchingHTML: return TitleBlock::HTML;
    default: return TitleBlock::Matrix;
    }
}

// The comparison documents in the order a section is written into them, text first.
constexpr ReportDoc kComparisonDocs[] = {ReportDoc::Results, ReportDoc::ResultsWithoutMotif,
                                         ReportDoc::GlobalMatchingText, ReportDoc::ResultsHTML,
                                         ReportDoc::GlobalMatchingHTML};
constexpr ReportDoc kDatabaseGlobalDocs[] = {ReportDoc::DatabaseGlobalMatchingText,
                                             ReportDoc::DatabaseGlobalMatchingHTML};
constexpr ReportDoc kDatabaseEachMotifDocs[] = {ReportDoc::DatabaseMatching,
                                                ReportDoc::DatabaseMatchingWithoutMotif,
                                                ReportDoc::DatabaseMatchingHTML};

std::span<const ReportDoc> documentsOf(Section section) {
    switch (section) {
    case Section::DatabaseGlobalMatching: return kDatabaseGlobalDocs;
    case Section::DatabaseEachMotif: return kDatabaseEachMotifDocs;
    default: return kComparisonDocs;
    }
}

bool receives(const RunState& s, Section section, ReportDoc d) {
    if (!documentExists(s, d)) return false;
    const bool globalDocument =
        d == ReportDoc::GlobalMatchingText || d == ReportDoc::GlobalMatchingHTML;
    return !globalDocument || section == Section::GlobalMatching;
}

constexpr const char* kOneFileNotice = "There is no global matching for 1 motif file.";

std::string stars(int count) { return std::string(static_cast<std::size_t>(count), '*'); }

std::string globalHeadingLine(const RunState& s) {
    return stars(66) + " Top " + std::to_string(s.numTopMotif) +
           " Significant Motifs - Global Matching (Highest to Lowest) " + stars(66);
}
std::string globalHeadingHTML(const RunState& s) {
    return "<h3 class='sansserif'> Top " + std::to_string(s.numTopMotif) +
           " Significant Motifs - Global Matching (Highest to Lowest) </h3>";
}

void writeHeading(const RunState& s, Section section, bool html, std::ostream& out) {
    const bool database =
        section == Section::DatabaseGlobalMatching || section == Section::DatabaseEachMotif;
    const bool notice = section == Section::DatabaseGlobalMatching && s.numFile == 1;
    if (database && html) {
        // Closes a division that no header opened; the footer closes the one opened here.
        out << "</div>" << std::endl
            << "<div class = 'boxed'>" << std::endl
            << "<h3 class='sansserif'> Best Matches in Database for Each Motif (Highest to "
               "Lowest) </h3>"
            << std::endl;
        if (notice)
            out << "<p class='sansserif'><font size = '2'> " << kOneFileNotice << " </font></p>"
                << std::endl;
        return;
    }
    if (database) {
        out << stars(70) << " Best Matches in Database for Each Motif (Highest to Lowest) "
            << stars(65) << std::endl
            << std::endl;
        if (notice) out << kOneFileNotice << std::endl << std::endl;
        return;
    }
    if (html) {
        switch (section) {
        case Section::GlobalMatching:
            out << "<div class = 'boxed'>" << std::endl << globalHeadingHTML(s) << std::endl;
            break;
        case Section::GlobalAndLocal:
            out << "</div>" << std::endl
                << "<br>" << std::endl
                << "<div class = 'boxed'>" << std::endl
                << "<h3 class='sansserif'> Significant Motifs - Global and Local Matching "
                   "(Highest to Lowest) </h3>"
                << std::endl;
            break;
        case Section::EachMotif:
            out << "</div>" << std::endl
                << "<br>" << std::endl
                << "<div class = 'boxed'>" << std::endl
                << "<h3 class='sansserif'> Best Matches for Each Motif (Highest to Lowest) </h3>"
                << std::endl;
            break;
        default: break;
        }
        return;
    }
    switch (section) {
    case Section::GlobalMatching:
        out << std::endl << globalHeadingLine(s) << std::endl << std::endl;
        break;
    case Section::GlobalAndLocal:
        out << std::endl
            << stars(196) << std::endl
            << std::endl
            << stars(64) << " Significant Motifs - Global and Local Matching (Highest to Lowest) "
            << stars(64) << std::endl
            << std::endl;
        break;
    case Section::EachMotif:
        out << std::endl
            << stars(196) << std::endl
            << std::endl
            << stars(70) << " Best Matches for Each Motif (Highest to Lowest) " << stars(77)
            << std::endl
            << std::endl;
        break;
    default: break;
    }
}

void writeTextListingHeading(const SectionLook& look, int opening, int closing, std::int64_t id,
                             std::ostream& out) {
    out << stars(opening) << look.textHeadingWords << id << " (Highest to Lowest) "
        << stars(closing) << std::endl
        << std::endl;
}

void writeTitleBlock(const RunState& s, const SectionLook& look, TitleBlock kind,
                     std::int64_t id, std::ostream& out) {
    const data& m = s.Datasets[static_cast<std::size_t>(id - 1)];
    switch (kind) {
    case TitleBlock::Matrix:
        out << "Dataset #: " << m.datasetNumber << "\t\t" << "Motif ID: " << id << "\t\t"
            << "Motif name: " << m.motifName << std::endl
            << std::endl;
        writeTextMotifBody(out, m, look.revCompLabel);
        out << std::endl << std::endl;
        writeTextListingHeading(look, look.starsMatrix, look.starsMatrix, id, out);
        break;
    case TitleBlock::Consensus:
        out << "Dataset #: " << m.datasetNumber << "\t\t" << "Motif ID: " << id << "\t\t"
            << "Motif name: " << m.motifName << "\t\t"
            << "Consensus sequence (original motif): " << m.consensus << "\t\t"
            << "Consensus sequence (reverse complement motif): " << m.revCompConsensus
            << std::endl;
        for (int k = 0; k < look.consensusBlankLines; ++k) out << std::endl;
        writeTextListingHeading(look, look.starsConsensus,
                                s.outputFileFormat == OutputFormat::All
                                    ? look.starsConsensusClosingAll
                                    : look.starsConsensus,
                                id, out);
        break;
    case TitleBlock::HTML: {
        out << look.htmlTableTag << std::endl
            << "<col width= '170'>" << std::endl
            << "<col width= '150'>" << std::endl
            << "<col width= '600'>" << std::endl
            << "<tr>" << std::endl
            << "<td><b>" << "Dataset #: " << m.datasetNumber << "</b></td>" << std::endl
            << "<td><b>" << "Motif ID: " << id << "</b></td>" << std::endl
            << "<td><b>" << "Motif name: " << htmlEscaped(m.motifName) << "</b></td>"
            << std::endl
            << "</tr>" << std::endl
            << "</table>" << std::endl
            << look.htmlSeparator << std::endl;
        writeHtmlMotifTable(out, s.jobID, LogoStore::Input, id, m, look.htmlMotifTable);
        if (look.htmlClosesParagraph) out << "</p>" << std::endl;
        out << "<p class='sansserif'>" << std::endl
            << look.htmlHeadingWords << id << " (Highest to Lowest) </b>" << std::endl
            << "</p>" << std::endl;
        break;
    }
    }
}

void callListingWriter(RunState& s, ReportDoc d, const SectionLook& look,
                       const bestMatchList& list, std::int64_t id) {
    switch (d) {
    case ReportDoc::Results: WriteTopResultsList(s, list, look.listKind, id); break;
    case ReportDoc::ResultsWithoutMotif:
        WriteTopResultsListWithoutMotif(s, list, look.listKind, id);
        break;
    case ReportDoc::ResultsHTML: WriteTopResultsListHTML(s, list, look.listKind, id); break;
    case ReportDoc::GlobalMatchingText: WriteTopResultsGlobalMatchingList(s, list, id); break;
    case ReportDoc::GlobalMatchingHTML: WriteTopResultsGlobalMatchingListHTML(s, list, id); break;
    case ReportDoc::DatabaseGlobalMatchingText:
        WriteDatabaseTopResultsGlobalList(s, list, look.listKind, id);
        break;
    case ReportDoc::DatabaseGlobalMatchingHTML:
        WriteDatabaseTopResultsGlobalListHTML(s, list, look.listKind, id);
        break;
    case ReportDoc::DatabaseMatching: WriteDatabaseTopResultsList(s, list, look.listKind, id); break;
    case ReportDoc::DatabaseMatchingWithoutMotif:
        WriteDatabaseTopResultsListWithoutMotif(s, list, look.listKind, id);
        break;
    case ReportDoc::DatabaseMatchingHTML:
        WriteDatabaseTopResultsListHTML(s, list, look.listKind, id);
        break;
    default: break;
    }
}

// The motifs a section lists, in order: the ranking's, or every motif by identifier.
std::vector<std::int64_t> motifSequence(const std::vector<commonBestMatches>* ranking,
                                        std::size_t motifCount) {
    std::vector<std::int64_t> ids;
    if (ranking) {
        for (const commonBestMatches& e : *ranking) ids.push_back(e.motifID);
    } else {
        for (std::size_t k = 1; k <= motifCount; ++k) ids.push_back(static_cast<std::int64_t>(k));
    }
    return ids;
}

void writeSection(RunState& s, Section section, const std::vector<commonBestMatches>* ranking,
                  const std::vector<bestMatchList>& lists) {
    const SectionLook& look = lookOf(section);
    const std::vector<std::int64_t> ids = motifSequence(ranking, lists.size());
    for (ReportDoc d : documentsOf(section)) {
        if (!receives(s, section, d)) continue;
        std::ofstream& heading = openDocument(s, d, OpenMode::Append);
        writeHeading(s, section, titleBlockOf(d) == TitleBlock::HTML, heading);
        heading.close();

        std::int32_t listed = 0;
        for (std::int64_t id : ids) {
            if (look.limited && listed >= s.numTopMotif) break;
            const bestMatchList& list = lists[static_cast<std::size_t>(id - 1)];
            if (list.empty()) continue;
            writeListedMotif(s, section, d, list, id);
            ++listed;
        }
    }
}

}  // namespace

void writeListedMotif(RunState& s, ComparisonSection section, ReportDoc d,
                      const bestMatchList& list, std::int64_t motifID) {
    const SectionLook& look = lookOf(section);
    // Checked like every other open: a lost title block would leave a listing without
    // its motif.
    std::ofstream& out = openDocument(s, d, OpenMode::Append);
    writeTitleBlock(s, look, titleBlockOf(d), motifID, out);
    out.close();
    callListingWriter(s, d, look, list, motifID);
}

void writeGlobalMatchingSections(RunState& s, const std::vector<bestMatchList>& globalLists) {
    writeSection(s, Section::GlobalMatching, &s.globalMatchingScoreResultList, globalLists);
}

void writeOneFileNotices(RunState& s) {
    for (ReportDoc d : kComparisonDocs) {
        if (!receives(s, Section::GlobalMatching, d)) continue;
        std::ofstream& out = openDocument(s, d, OpenMode::Append);
        if (titleBlockOf(d) == TitleBlock::HTML) {
            out << "<div class = 'boxed'>" << std::endl
                << globalHeadingHTML(s) << std::endl
                << "<p class='sansserif'><font size = '2'> " << kOneFileNotice
                << " </font></p>" << std::endl
                << "</div>" << std::endl;
        } else {
            out << std::endl
                << stars(196) << std::endl
                << std::endl
                << globalHeadingLine(s) << std::endl
                << std::endl
                << kOneFileNotice << std::endl
                << std::endl;
        }
        out.close();
    }
}

void writeAllMatchesSections(RunState& s, const std::vector<bestMatchList>& allLists) {
    writeSection(s, Section::GlobalAndLocal, &s.commonBestScoreResultList, allLists);
    writeSection(s, Section::EachMotif, nullptr, allLists);
}

void writeComparisonSections(RunState& s, const ComparisonLists& lists) {
    if (s.numFile > 1) writeGlobalMatchingSections(s, lists.globalBestMatchLists);
    else writeOneFileNotices(s);
    if (typeAll(s)) writeAllMatchesSections(s, lists.allBestMatchLists);
}

void writeDatabaseSections(RunState& s, ComparisonSection section,
                           const std::vector<bestMatchList>& lists) {
    if (section != Section::DatabaseGlobalMatching && section != Section::DatabaseEachMotif)
        return;
    writeSection(s, section, nullptr, lists);
}
