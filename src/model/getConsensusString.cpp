// IUPAC consensus of a matrix, one letter per row that fits a rule.
#include "model/model.h"

namespace {

// Columns A=0, C=1, G=2, T=3; a bit per base.
char twoBaseLetter(int c1, int c2) {
    switch ((1 << c1) | (1 << c2)) {
    case 0b0011: return 'M';  // A C
    case 0b0101: return 'R';  // A G
    case 0b1001: return 'W';  // A T
    case 0b0110: return 'S';  // C G
    case 0b1010: return 'Y';  // C T
    default: return 'K';      // G T
    }
}

// Named by the one base left out.
char threeBaseLetter(int missing) {
    static constexpr char kLetters[4] = {'B', 'D', 'H', 'V'};
    return kLetters[missing];
}

}  // namespace

std::string getConsensusString(const Matrix& m) {
    static constexpr char kBase[4] = {'A', 'C', 'G', 'T'};
    std::string consensus;
    consensus.reserve(m.size());
    for (const Row& row : m) {
        tempArray cells[4];
        for (int c = 0; c < 4; ++c) cells[c] = {row[c], c};
        // Insertion sort: equal values keep column order, so the later column counts as
        // larger; NaN compares false and leaves the row as it stands.
        for (int i = 1; i < 4; ++i) {
            tempArray key = cells[i];
            int j = i - 1;
            while (j >= 0 && key < cells[j]) {
                cells[j + 1] = cells[j];
                --j;
            }
            cells[j + 1] = key;
        }
        const double x1 = cells[3].value, x2 = cells[2].value, x3 = cells[1].value;
        const int c1 = cells[3].column, c2 = cells[2].column;
        if (x1 > 0.5 && x1 / x2 >= 2.0) {
            consensus += kBase[c1];
        } else if (x1 + x2 > 0.75) {
            if (x1 <= 0.5 || (x1 > 0.5 && x2 < 0.5)) consensus += twoBaseLetter(c1, c2);
        } else if (x1 + x2 + x3 > 0.75) {
            consensus += threeBaseLetter(cells[0].column);
        } else {
            consensus += 'N';
        }
    }
    return consensus;
}
