// The numeric format readers: TRANSFAC-style, JASPAR, MEME, raw PSSM, horizontal and
// vertical count matrices. Each position is divided by its own total.
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "input/input.h"
#include "model/model.h"

namespace {

double value(const std::string& token) { return std::atof(token.c_str()); }

// The name written behind one marker character, normally ">".
std::string afterMarker(const std::string& token) { return token.empty() ? token : token.substr(1); }

bool allNumeric(const std::vector<std::string>& line, std::size_t from, std::size_t to) {
    for (std::size_t j = from; j < to; ++j)
        if (!checkNumeric(line[j])) return false;
    return true;
}

Row rowOf(const std::vector<std::string>& line, std::size_t first) {
    return normalizeRow(value(line[first]), value(line[first + 1]), value(line[first + 2]),
                        value(line[first + 3]));
}

// Every line of exactly four tokens (all numeric when asked) becomes one row.
Matrix fourTokenRows(const Block& block, bool requireNumeric) {
    Matrix m;
    for (const auto& line : block)
        if (line.size() == 4 && (!requireNumeric || allNumeric(line, 0, 4)))
            m.push_back(rowOf(line, 0));
    return m;
}

// A JASPAR count line: base letters and brackets dropped, other tokens cut to digits
// and full stops, then split again.
std::vector<double> jasparValues(const std::vector<std::string>& line) {
    std::string joined;
    for (const std::string& token : line) {
        if (token == "A" || token == "C" || token == "G" || token == "T" || token == "[" ||
            token == "]")
            continue;
        joined += removeSpecialCharacters(token);
        joined += ' ';
    }
    std::istringstream tokens(joined);
    std::vector<double> values;
    for (std::string t; tokens >> t;) values.push_back(value(t));
    return values;
}

}  // namespace

ReadMotif readTransfacInput(const Block& block) {
    ReadMotif motif{block[0].size() > 1 ? block[0][1] : std::string(), {}};
    for (const auto& line : block)
        if ((line.size() == 5 || line.size() == 6) && allNumeric(line, 1, 5))
            motif.matrix.push_back(rowOf(line, 1));
    return motif;
}

ReadMotif readJasparInput(const Block& block) {
    ReadMotif motif{afterMarker(block[0][0]), {}};
    std::vector<double> base[4];
    std::size_t positions = SIZE_MAX;
    for (int b = 0; b < 4; ++b) {
        base[b] = jasparValues(block[1 + b]);
        positions = std::min(positions, base[b].size());  // never read past a short line
    }
    for (std::size_t p = 0; p < positions; ++p)
        motif.matrix.push_back(normalizeRow(base[0][p], base[1][p], base[2][p], base[3][p]));
    return motif;
}

ReadMotif readMEMEInput(const Block& block, std::int64_t motifID) {
    return {"Motif " + std::to_string(motifID), fourTokenRows(block, true)};
}

ReadMotif readRawPSSMInput(const Block& block) {
    return {afterMarker(block[0][0]), fourTokenRows(block, true)};
}

ReadMotif readMatrixHInput(const Block& block) {
    ReadMotif motif{"NA", {}};
    std::size_t positions = block[0].size();
    for (int b = 1; b < 4; ++b) positions = std::min(positions, block[b].size());
    for (std::size_t k = 0; k < positions; ++k)
        motif.matrix.push_back(normalizeRow(value(block[0][k]), value(block[1][k]),
                                            value(block[2][k]), value(block[3][k])));
    return motif;
}

ReadMotif readMatrixVInput(const Block& block) { return {"NA", fourTokenRows(block, false)}; }
