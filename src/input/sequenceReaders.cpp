// The letter format readers: IUPAC consensus sequences and aligned sequences.
#include <algorithm>

#include "input/input.h"
#include "model/model.h"

namespace {

constexpr std::size_t kMaxPositions = 30;

Row consensusRow(char letter) {
    constexpr double third = 0.3333;  // these rows sum to 0.9999 on purpose
    switch (letter) {
    case 'A': return {1.0, 0, 0, 0};
    case 'C': return {0, 1.0, 0, 0};
    case 'G': return {0, 0, 1.0, 0};
    case 'T': return {0, 0, 0, 1.0};
    case 'M': return {0.5, 0.5, 0, 0};
    case 'R': return {0.5, 0, 0.5, 0};
    case 'W': return {0.5, 0, 0, 0.5};
    case 'S': return {0, 0.5, 0.5, 0};
    case 'Y': return {0, 0.5, 0, 0.5};
    case 'K': return {0, 0, 0.5, 0.5};
    case 'V': return {third, third, third, 0};
    case 'H': return {third, third, 0, third};
    case 'D': return {third, 0, third, third};
    case 'B': return {0, third, third, third};
    default: return {0.25, 0.25, 0.25, 0.25};
    }
}

std::string afterMarker(const std::string& token) { return token.empty() ? token : token.substr(1); }

}  // namespace

ReadMotif readConsensusInput(const Block& block) {
    ReadMotif motif{afterMarker(block[0][0]), {}};
    for (std::size_t k = 1; k < block.size(); ++k) {
        if (block[k].size() != 1) continue;
        const std::string& letters = block[k][0];
        for (std::size_t p = 0; p < std::min(letters.size(), kMaxPositions); ++p)
            motif.matrix.push_back(consensusRow(letters[p]));
    }
    return motif;
}

ReadMotif readSeqAlignInput(const Block& block) {
    ReadMotif motif{afterMarker(block[0][0]), {}};
    if (block.size() < 2) return motif;
    const std::size_t columns = std::min(block[1][0].size(), kMaxPositions);
    for (std::size_t j = 0; j < columns; ++j) {
        int count[4] = {0, 0, 0, 0};
        for (std::size_t k = 1; k < block.size(); ++k) {
            const std::string& sequence = block[k][0];
            if (j >= sequence.size()) continue;
            switch (sequence[j]) {
            case 'A': ++count[0]; break;
            case 'C': ++count[1]; break;
            case 'G': ++count[2]; break;
            case 'T': ++count[3]; break;
            default: break;  // gaps are not counted
            }
        }
        motif.matrix.push_back(normalizeRow(count[0], count[1], count[2], count[3]));
    }
    return motif;
}
