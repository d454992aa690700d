// The records every stage passes around: motifs, alignments, merge steps, input files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Score of a perfectly matching cell: each aligned cell scores this less the absolute
// difference of its two probabilities.
inline constexpr double kMaxCellScore = 1.0;
// The fewest aligned positions of any alignment a scan tries; shorter motifs are not scanned.
inline constexpr std::int32_t kMinimumOverlap = 4;

// One motif position: probabilities of A, C, G, T in that order.
using Row = std::array<double, 4>;
// One row per motif position, first position first.
using Matrix = std::vector<Row>;

// One motif, input or database.
struct data {
    std::int64_t motifID = 0;
    std::string motifName;
    std::string motifAnnotation;  // database motifs only
    std::string dbMotifID;        // database motifs only
    std::int32_t datasetNumber = 0;
    std::int64_t motifNumber = 0;
    Matrix matrix;
    Matrix revCompMatrix;
    std::string consensus;
    std::string revCompConsensus;
};

enum class Direction : std::uint8_t { Forward, Backward };
enum class Strand : std::uint8_t { Original, RevComp };

inline const char* directionText(Direction d) {
    return d == Direction::Forward ? "Forward" : "Backward";
}
inline const char* strandText(Strand s) {
    return s == Strand::Original ? "Original Motif" : "Reverse Complement";
}

// One accepted alignment of two motifs. A run at a low cutoff keeps tens of millions of
// these, so the record holds only what cannot be looked up: names, dataset and motif
// numbers come from the motif stores by id, and the texts (direction, strands, flag)
// are produced where they are written.
//
// matchFlag is set when the record's first motif is the scan's first motif ("Y");
// matchFormat1 is the strand of the scan's first motif and matchFormat2 that of its
// second, whichever of them is motifID1.
struct dataCombinedScore {
    std::int32_t motifID1 = 0;
    std::int32_t motifID2 = 0;
    std::int32_t position = 0;  // 1-based shift
    std::int32_t overlapLength : 28 = 0;
    Direction direction : 1 = Direction::Forward;
    bool matchFlag : 1 = false;
    Strand matchFormat1 : 1 = Strand::Original;
    Strand matchFormat2 : 1 = Strand::Original;
    double alignmentScore = 0.0;
    double similarityScore = 0.0;  // smaller is more similar

    std::int32_t firstMotifIDKey() const { return motifID1; }
    const char* matchFlagText() const { return matchFlag ? "Y" : ""; }
};
static_assert(sizeof(dataCombinedScore) == 32, "alignment records must stay compact");

// The chosen best matches of one motif, ascending by similarityScore.
using bestMatchList = std::vector<dataCombinedScore>;

// Best values of one motif over one result list.
struct maxScores {
    std::int64_t motifID = 0;
    double bestScore = 0.0;
    std::int32_t longestOverlap = 0;
    std::int32_t overlapMidpoint = 0;
};

// Distances of one record from its first motif's best values; only the diagnostic dumps
// print them, so they are derived instead of stored.
inline double scoreDifference(const dataCombinedScore& r, const maxScores& first) {
    double d = r.alignmentScore - first.bestScore;
    return d < 0 ? -d : d;
}
inline std::int32_t overlapDifference(const dataCombinedScore& r, const maxScores& first) {
    std::int32_t d = r.overlapLength - first.longestOverlap;
    return d < 0 ? -d : d;
}
// The similarity key: half the sum of the record's distances from the best values it is
// measured against (its motif's, or for two matrices the best any alignment could reach).
inline double similarityKey(const dataCombinedScore& r, const maxScores& best) {
    return (static_cast<double>(overlapDifference(r, best)) + scoreDifference(r, best)) * 0.5;
}

// Ranking entry of one motif: the sum of the keys of its best matches.
struct commonBestMatches {
    std::int64_t motifID = 0;
    double scoreSum = 0.0;
    bool operator()(const commonBestMatches& a, const commonBestMatches& b) const {
        return a.scoreSum < b.scoreSum;
    }
};

// One step of a merge chain, or one group entry listed without merging.
struct combinedMatrices {
    std::int64_t motifID1 = 0;
    std::int64_t motifID2 = 0;
    std::string motifName1;
    std::string motifName2;
    std::string matchFormat1;
    std::string matchFormat2;
    std::string matchFlag;
    std::string direction;
    std::int32_t position = 0;
    std::int32_t overlapLength = 0;
    double similarityScore = 0.0;
    Matrix matrix1;
    Matrix matrix2;
    Matrix combinedMatrix;
    std::string mergedFlag;
    std::string alignmentLine1;
    std::string alignmentLine2;
};

// One input file as named in the dialogue.
struct fileNameAndType {
    std::string fileName;
    std::int32_t fileFormat = 0;
    std::int32_t motifCount = 0;
    std::int32_t datasetNumber = 0;
};

// One matrix cell while a row is ranked.
struct tempArray {
    double value = 0.0;
    std::int32_t column = 0;
    bool operator<(const tempArray& o) const { return value < o.value; }
};

// Ascending similarity key: the order of every result list.
inline bool comparison(const dataCombinedScore& a, const dataCombinedScore& b) {
    return a.similarityScore < b.similarityScore;
}
inline bool comparisonHighToLow(const dataCombinedScore& a, const dataCombinedScore& b) {
    return a.similarityScore > b.similarityScore;
}
inline bool compareMatrixID(const dataCombinedScore& a, const dataCombinedScore& b) {
    return a.motifID1 < b.motifID1;
}
