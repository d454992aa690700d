// What the listings show of one record: its two motifs and the values of its cells.
#include "listings/listingTemplates.h"
#include "model/model.h"

bool findInputMatch(const RunState& s, const dataCombinedScore& r, std::int64_t topMotifID,
                    ListedMatch& match) {
    const auto stored = [&](std::int64_t id) {
        return id >= 1 && id <= static_cast<std::int64_t>(s.Datasets.size());
    };
    match.topPlace = r.motifID1 == topMotifID ? TopPlace::First : TopPlace::Second;
    match.partnerID = match.topPlace == TopPlace::First ? r.motifID2 : r.motifID1;
    if (!stored(topMotifID) || !stored(match.partnerID)) return false;
    match.top = &s.Datasets[static_cast<std::size_t>(topMotifID - 1)];
    match.partner = &s.Datasets[static_cast<std::size_t>(match.partnerID - 1)];
    return true;
}

void writeCellValue(std::ostream& out, Column column, const dataCombinedScore& r,
                    const ListedMatch& match, Markup markup) {
    switch (column) {
    case Column::DatasetNumber: out << match.partner->datasetNumber; break;
    case Column::MotifID: out << match.partnerID; break;
    case Column::MotifName:
        if (markup == Markup::Html)
            out << htmlEscaped(match.partner->motifName);
        else
            out << match.partner->motifName;
        break;
    case Column::MatchFormat1: out << strandText(r.matchFormat1); break;
    case Column::MatchFormat2: out << strandText(r.matchFormat2); break;
    case Column::Direction: out << directionText(r.direction); break;
    case Column::Position: out << r.position; break;
    case Column::Overlap: out << std::int32_t{r.overlapLength}; break;
    case Column::SimilarityScore: out << r.similarityScore; break;
    case Column::DatabaseMotifID:
        if (markup == Markup::Html && match.database)
            // The identifier goes into the address percent-encoded: no quote can end it.
            out << " <a href='" << databaseLink(*match.database, match.partner->dbMotifID)
                << "' target ='_blank'>" << htmlEscaped(match.partner->dbMotifID) << "</a>";
        else
            out << match.partner->dbMotifID;
        break;
    case Column::Annotation:
        if (markup == Markup::Html)
            out << htmlEscaped(match.partner->motifAnnotation);
        else
            out << match.partner->motifAnnotation;
        break;
    }
}

const char* textHeading(Column column) {
    switch (column) {
    case Column::DatasetNumber: return "Dataset #";
    case Column::MotifID: return "Motif ID";
    case Column::MotifName: return "Motif name";
    case Column::MatchFormat1: return "Matching format of first motif";
    case Column::MatchFormat2: return "Matching format of second motif";
    case Column::Direction: return "Direction";
    case Column::Position: return "Position #";
    case Column::Overlap: return "# of overlap";
    case Column::SimilarityScore: return "Similarity score";
    case Column::DatabaseMotifID: return "Motif ID";
    case Column::Annotation: return "";
    }
    return "";
}

const char* htmlLabel(Column column, const ListedMatch& match) {
    const bool transfac = match.database && match.database->layout == DatabaseLayout::Transfac;
    switch (column) {
    case Column::DatasetNumber: return "Dataset #:";
    case Column::MotifID: return "Motif ID:";
    case Column::MotifName: return "Motif name:";
    case Column::MatchFormat1: return "Matching format of first motif:";
    case Column::MatchFormat2: return "Matching format of second motif:";
    case Column::Direction: return "Direction:";
    case Column::Position: return "Position number:";
    case Column::Overlap: return "Number of overlap:";
    case Column::SimilarityScore: return "Similarity score:";
    case Column::DatabaseMotifID: return transfac ? "AC:" : "Motif ID:";
    case Column::Annotation:
        return !match.database || match.database->layout == DatabaseLayout::Jaspar ? "Taxon:"
                                                                                    : "Species:";
    }
    return "";
}
