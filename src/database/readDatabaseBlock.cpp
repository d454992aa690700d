// One database block into one motif; the layouts differ only in the rules below.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "database/databaseReaders.h"
#include "model/model.h"

namespace {

// Where a text stands in a block: line and token, both counted from 0.
struct Place {
    std::size_t line;
    std::size_t token;
};

enum class Counts : std::uint8_t {
    CountLines,     // lines 2 to 5 hold every position of A, C, G and T, one base a line
    PositionLines,  // each line of five or six tokens with four numbers is one position
};

struct LayoutRules {
    Place name;
    Place headerAnnotation;  // used when the catalogue takes the annotation from the header
    Place dbMotifID;
    bool idBehindMarker;     // the identifier follows the header's ">"
    Counts counts;
};

// JASPAR and UniPROBE share a block shape; UniPROBE's species comes from the catalogue.
constexpr LayoutRules kHeaderAndCountLines{.name = {0, 1},
                                           .headerAnnotation = {0, 2},
                                           .dbMotifID = {0, 0},
                                           .idBehindMarker = true,
                                           .counts = Counts::CountLines};
constexpr LayoutRules kNamedPositionLines{.name = {0, 0},
                                          .headerAnnotation = {0, 1},
                                          .dbMotifID = {2, 1},
                                          .idBehindMarker = false,
                                          .counts = Counts::PositionLines};

const LayoutRules& rulesOf(DatabaseLayout layout) {
    switch (layout) {
    case DatabaseLayout::Jaspar:
    case DatabaseLayout::Uniprobe: return kHeaderAndCountLines;
    case DatabaseLayout::Transfac: break;
    }
    return kNamedPositionLines;
}

std::string textAt(const DatabaseBlock& block, Place p) {
    return p.line < block.size() && p.token < block[p.line].size() ? block[p.line][p.token]
                                                                    : std::string();
}

bool isBaseLetter(char c) {
    switch (c) {
    case 'A': case 'C': case 'G': case 'T': case 'a': case 'c': case 'g': case 't': return true;
    default: return false;
    }
}

// The markers around a count: a base letter, ':' and '[' before it, ']' after it.
std::string_view withoutMarkers(std::string_view t) {
    if (!t.empty() && isBaseLetter(t.front())) t.remove_prefix(1);
    while (!t.empty() && (t.front() == ':' || t.front() == '[')) t.remove_prefix(1);
    while (!t.empty() && t.back() == ']') t.remove_suffix(1);
    return t;
}

// The counts of one count line; none at all when one of them is negative or no number,
// so a damaged line empties its motif instead of shifting the positions.
std::optional<std::vector<double>> countLineValues(const std::vector<std::string>& line) {
    std::vector<double> values;
    for (const std::string& token : line) {
        const std::string_view count = withoutMarkers(token);
        if (count.empty()) continue;
        const std::optional<double> v = countValue(count);
        if (!v || *v < 0) return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

Matrix countLineMatrix(const DatabaseBlock& block) {
    if (block.size() < 5) return {};
    std::array<std::vector<double>, 4> base;
    std::size_t positions = SIZE_MAX;
    for (std::size_t b = 0; b < 4; ++b) {
        std::optional<std::vector<double>> values = countLineValues(block[1 + b]);
        if (!values) return {};
        base[b] = std::move(*values);
        positions = std::min(positions, base[b].size());  // never read past a short line
    }
    Matrix m;
    m.reserve(positions);
    for (std::size_t p = 0; p < positions; ++p)
        m.push_back(normalizeRow(base[0][p], base[1][p], base[2][p], base[3][p]));
    return m;
}

// Header, XX and comment lines are passed over because they do not hold four numbers.
Matrix positionLineMatrix(const DatabaseBlock& block) {
    Matrix m;
    for (const std::vector<std::string>& line : block) {
        if (line.size() != 5 && line.size() != 6) continue;
        std::array<double, 4> v{};
        bool counts = true;
        for (std::size_t k = 0; k < 4 && counts; ++k) {
            const std::optional<double> x = countValue(line[1 + k]);
            counts = x.has_value();
            if (counts) v[k] = *x;
        }
        if (!counts) continue;
        for (double x : v)
            if (x < 0) return {};
        m.push_back(normalizeRow(v[0], v[1], v[2], v[3]));
    }
    return m;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> countValue(std::string_view token) {
    const std::size_t n = token.size();
    std::size_t i = 0;
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    for (; i < n && digit(token[i]); ++i) ++mantissaDigits;
    if (i < n && token[i] == '.')
        for (++i; i < n && digit(token[i]); ++i) ++mantissaDigits;
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        for (; i < n && digit(token[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    // The same conversion as atof, so every plain decimal keeps its value.
    return std::strtod(std::string(token).c_str(), nullptr);
}

data readDatabaseBlock(const DatabaseBlock& block, std::int64_t blockNumber,
                       const DatabaseEntry& database) {
    const LayoutRules& rules = rulesOf(database.layout);
    data motif;
    motif.motifID = blockNumber;
    motif.motifNumber = blockNumber;
    motif.datasetNumber = 1;
    motif.motifName = textAt(block, rules.name);
    motif.motifAnnotation = database.annotationSource == AnnotationSource::Header
                                ? textAt(block, rules.headerAnnotation)
                                : std::string(database.annotation);
    motif.dbMotifID = textAt(block, rules.dbMotifID);
    if (rules.idBehindMarker && !motif.dbMotifID.empty()) motif.dbMotifID.erase(0, 1);
    motif.matrix = rules.counts == Counts::CountLines ? countLineMatrix(block)
                                                      : positionLineMatrix(block);
    motif.revCompMatrix = getRevCompMotif(motif.matrix);
    motif.consensus = getConsensusString(motif.matrix);
    motif.revCompConsensus = getConsensusString(motif.revCompMatrix);
    return motif;
}
