// The records of a merge chain and the motifs they are built from.
#include "align/align.h"
#include "merge/merge.h"

namespace {

// A record of one alignment: the fields it takes over from the alignment, the matrices,
// the flag and the two drawing lines.
struct StepFields {
    std::string name1, name2;
    Matrix matrix1, matrix2, combined;
    std::string mergedFlag;
    std::pair<std::string, std::string> lines;
};

combinedMatrices stepRecord(const dataCombinedScore& r, StepFields fields) {
    return {.motifID1 = r.motifID1,
            .motifID2 = r.motifID2,
            .motifName1 = std::move(fields.name1),
            .motifName2 = std::move(fields.name2),
            .matchFormat1 = std::string(strandText(r.matchFormat1)),
            .matchFormat2 = std::string(strandText(r.matchFormat2)),
            .matchFlag = std::string(r.matchFlagText()),
            .direction = std::string(directionText(r.direction)),
            .position = r.position,
            .overlapLength = r.overlapLength,
            .similarityScore = r.similarityScore,
            .matrix1 = std::move(fields.matrix1),
            .matrix2 = std::move(fields.matrix2),
            .combinedMatrix = std::move(fields.combined),
            .mergedFlag = std::move(fields.mergedFlag),
            .alignmentLine1 = std::move(fields.lines.first),
            .alignmentLine2 = std::move(fields.lines.second)};
}

}  // namespace

const data* motifAt(const std::vector<data>& motifs, std::int64_t motifID) {
    if (motifID < 1 || static_cast<std::uint64_t>(motifID) > motifs.size()) return nullptr;
    return &motifs[static_cast<std::size_t>(motifID - 1)];
}

std::optional<ScannedPair> scannedPair(const dataCombinedScore& r,
                                       const std::vector<data>& motifs) {
    const data* first = motifAt(motifs, r.matchFlag ? r.motifID1 : r.motifID2);
    const data* second = motifAt(motifs, r.matchFlag ? r.motifID2 : r.motifID1);
    if (!first || !second) return std::nullopt;
    return ScannedPair{.matrix1 = &strandMatrix(*first, r.matchFormat1),
                       .matrix2 = &strandMatrix(*second, r.matchFormat2),
                       .strandOfSecondMotif = r.matchFlag ? r.matchFormat2 : r.matchFormat1};
}

combinedMatrices mergedRecord(const dataCombinedScore& r, std::string name1, std::string name2,
                              Matrix matrix1, Matrix matrix2, Matrix merged) {
    auto lines = splitAlignment(alignTwoMatrices(matrix1, matrix2, r));
    return stepRecord(r, {.name1 = std::move(name1),
                          .name2 = std::move(name2),
                          .matrix1 = std::move(matrix1),
                          .matrix2 = std::move(matrix2),
                          .combined = std::move(merged),
                          .mergedFlag = std::string("Y"),
                          .lines = std::move(lines)});
}

std::vector<combinedMatrices> refusedRecords(const bestMatchList& group, std::size_t from,
                                             Strand secondSide, const std::vector<data>& motifs) {
    std::vector<combinedMatrices> records;
    for (std::size_t k = from; k < group.size(); ++k) {
        const dataCombinedScore& g = group[k];
        const data* d1 = motifAt(motifs, g.motifID1);
        const data* d2 = motifAt(motifs, g.motifID2);
        const std::optional<ScannedPair> pair = scannedPair(g, motifs);
        if (!d1 || !d2 || !pair) continue;
        // Each motif by its own format field: only their row counts are read, for the
        // report's column widths. The lines are the entry's own alignment, drawn as a
        // merge of it would be.
        records.push_back(stepRecord(
            g, {.name1 = d1->motifName,
                .name2 = d2->motifName,
                .matrix1 = strandMatrix(*d1, g.matchFormat1),
                .matrix2 = strandMatrix(*d2, g.matchFormat2),
                .combined = strandMatrix(*d2, secondSide),
                .mergedFlag = std::string("N"),
                .lines = splitAlignment(alignTwoMatrices(*pair->matrix1, *pair->matrix2, g))}));
    }
    return records;
}
