// Toolkit, merge and combination tests: one-hot motifs, placement records, record equality.
#pragma once

#include <string>
#include <string_view>

#include "model/records.h"

// One row per base letter, all weight on that base.
inline Matrix oneHot(std::string_view bases) {
    Matrix m;
    for (char b : bases) {
        Row r{0.0, 0.0, 0.0, 0.0};
        r[b == 'A' ? 0 : b == 'C' ? 1 : b == 'G' ? 2 : 3] = 1.0;
        m.push_back(r);
    }
    return m;
}

struct Placement {
    Direction direction = Direction::Forward;
    bool matchFlag = true;
    std::int32_t position = 1;
    std::int32_t overlap = 4;
    Strand format1 = Strand::Original;
    Strand format2 = Strand::Original;
    std::int32_t motifID1 = 1;
    std::int32_t motifID2 = 2;
    double key = 0.0;
};

inline dataCombinedScore placed(const Placement& p) {
    dataCombinedScore r{.motifID1 = p.motifID1, .motifID2 = p.motifID2, .position = p.position};
    r.overlapLength = p.overlap;
    r.direction = p.direction;
    r.matchFlag = p.matchFlag;
    r.matchFormat1 = p.format1;
    r.matchFormat2 = p.format2;
    r.similarityScore = p.key;
    return r;
}

inline bool sameRecord(const dataCombinedScore& a, const dataCombinedScore& b) {
    return a.motifID1 == b.motifID1 && a.motifID2 == b.motifID2 && a.position == b.position &&
           a.overlapLength == b.overlapLength && a.direction == b.direction &&
           a.matchFlag == b.matchFlag && a.matchFormat1 == b.matchFormat1 &&
           a.matchFormat2 == b.matchFormat2 && a.alignmentScore == b.alignmentScore &&
           a.similarityScore == b.similarityScore;
}

inline bool sameStep(const combinedMatrices& a, const combinedMatrices& b) {
    return a.motifID1 == b.motifID1 && a.motifID2 == b.motifID2 &&
           a.motifName1 == b.motifName1 && a.motifName2 == b.motifName2 &&
           a.matchFormat1 == b.matchFormat1 && a.matchFormat2 == b.matchFormat2 &&
           a.matchFlag == b.matchFlag && a.direction == b.direction &&
           a.position == b.position && a.overlapLength == b.overlapLength &&
           a.similarityScore == b.similarityScore && a.matrix1 == b.matrix1 &&
           a.matrix2 == b.matrix2 && a.combinedMatrix == b.combinedMatrix &&
           a.mergedFlag == b.mergedFlag && a.alignmentLine1 == b.alignmentLine1 &&
           a.alignmentLine2 == b.alignmentLine2;
}

// An input motif of one-hot rows, completed as a reader leaves it.
data oneHotMotif(std::int64_t id, std::int32_t dataset, const std::string& name,
                 std::string_view bases);
