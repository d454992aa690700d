// Merge chains: a group's further best matches merged, one step per entry, into the
// group's combined motif, and the records every step leaves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/records.h"

// The three result sets whose groups are merged.
enum class MergeMode : std::uint8_t { Global, GlobalAndLocal, BestMatches };

// What a combined matrix is called in the records that name it.
inline constexpr const char* kCombinedMotifName = "Combined Motif";

// The stored motif of an identifier; none when the identifier is outside the store.
const data* motifAt(const std::vector<data>& motifs, std::int64_t motifID);

inline const Matrix& strandMatrix(const data& motif, Strand strand) {
    return strand == Strand::Original ? motif.matrix : motif.revCompMatrix;
}

// The two motifs of a comparison record as its pair scan aligned them: the scan's first
// motif (the record's first when matchFlag is set, else its second) in matchFormat1, the
// other in matchFormat2. This is the order the merge and the drawing read the record in.
struct ScannedPair {
    const Matrix* matrix1 = nullptr;
    const Matrix* matrix2 = nullptr;
    Strand strandOfSecondMotif = Strand::Original;  // the record's motifID2
};
std::optional<ScannedPair> scannedPair(const dataCombinedScore& r, const std::vector<data>& motifs);

// A merge stands when both parents pass; a backward alignment alone never rescues one.
// Two-matrix keys are never negative, so a parent passes exactly when its forward scan
// finds an alignment, which is all this asks.
bool mergeAccepted(const Matrix& merged, const Matrix& parent1, const Matrix& parent2,
                   double simCutoff);

// An accepted merge ("Y"): the record's alignment fields with the two names, both parents
// as merged, the merged matrix and the drawing of the same alignment.
combinedMatrices mergedRecord(const dataCombinedScore& r, std::string name1, std::string name2,
                              Matrix matrix1, Matrix matrix2, Matrix merged);

// The group's entries from `from` on, listed as not merged ("N"), each with its own
// alignment fields, matrices and drawing; the combined-matrix column holds its second
// motif in the strand the refused merge gave its second side. An entry naming a motif
// outside the store is left out.
std::vector<combinedMatrices> refusedRecords(const bestMatchList& group, std::size_t from,
                                             Strand secondSide, const std::vector<data>& motifs);

// One merge chain, from entry `index` of the group on, onto `currentMatrix`: a "Y" record
// per entry merged; at a refused merge the "N" records of that entry and every later one;
// nothing from an entry whose combined motif finds no alignment with it. An index outside
// the group gives nothing. One entry per result set, alike but for the set they serve.
std::vector<combinedMatrices> combinedMatrixG(const Matrix& currentMatrix,
                                              const bestMatchList& group, std::int32_t index,
                                              const std::vector<data>& motifs, double simCutoff,
                                              int threads);
std::vector<combinedMatrices> combinedMatrixGL(const Matrix& currentMatrix,
                                               const bestMatchList& group, std::int32_t index,
                                               const std::vector<data>& motifs, double simCutoff,
                                               int threads);
std::vector<combinedMatrices> combinedMatrixB(const Matrix& currentMatrix,
                                              const bestMatchList& group, std::int32_t index,
                                              const std::vector<data>& motifs, double simCutoff,
                                              int threads);
