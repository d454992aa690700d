// Distance tables for the motif tree: smallest key of every motif pair, as text.
#include <cmath>
#include <limits>
#include <sstream>

#include "compare/compare.h"
#include "model/model.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

// A square table with the labels in row 0 and column 0, "0" on the diagonal and the
// filler everywhere else.
Table labelledTable(const std::vector<std::string>& labels, const std::string& filler) {
    const std::size_t size = labels.size() + 1;
    Table table;
    table.reserve(size);
    table.emplace_back();
    table[0].reserve(size);
    table[0].emplace_back();
    for (const std::string& label : labels) table[0].push_back(label);
    for (std::size_t k = 1; k < size; ++k) {
        std::vector<std::string> row;
        row.reserve(size);
        row.push_back(labels[k - 1]);
        for (std::size_t c = 1; c < size; ++c) row.push_back(c == k ? std::string("0") : filler);
        table.push_back(std::move(row));
    }
    return table;
}

}  // namespace

void fillDistanceMatrix(RunState& s, const std::vector<MatchGroup>& groups) {
    for (const MatchGroup& group : groups)
        if (!group.empty() && group.back().similarityScore > s.maxSumScoreCompare)
            s.maxSumScoreCompare = group.back().similarityScore;

    // Cells are found by motif identifier: names repeat (every count matrix without a
    // name is "NA") and may be empty.
    const std::size_t n = s.Datasets.size();
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<double> smallest(n * n, kNone);
    for (const MatchGroup& group : groups)
        for (const dataCombinedScore& r : group) {
            const auto d = static_cast<std::size_t>(r.motifID1 - 1);
            const auto c = static_cast<std::size_t>(r.motifID2 - 1);
            double& cell = smallest[d * n + c];
            if (r.similarityScore < cell) cell = smallest[c * n + d] = r.similarityScore;
        }

    std::vector<std::string> labels;
    labels.reserve(n);
    for (const data& m : s.Datasets) labels.push_back(m.motifName);
    s.distanceMatrix =
        labelledTable(labels, numberToString(std::ceil(s.maxSumScoreCompare + 2.0)));
    // numberToString's formatting, on one stream for the million cells of a large run.
    std::ostringstream text;
    for (std::size_t d = 0; d < n; ++d)
        for (std::size_t c = 0; c < n; ++c)
            if (c != d && smallest[d * n + c] != kNone) {
                text.str(std::string());
                text << smallest[d * n + c];
                s.distanceMatrix[d + 1][c + 1] = text.str();
            }
}

void fillDistanceMatrixGlobal(RunState& s) {
    // The top motifs, then every partner not yet taken, each once by identifier.
    std::vector<std::int32_t> ids;
    const auto take = [&](std::int32_t id) {
        for (std::int32_t known : ids)
            if (known == id) return;
        ids.push_back(id);
    };
    for (const bestMatchList& group : s.topGlobalMatchingResults)
        ids.push_back(group.front().motifID1);
    for (const bestMatchList& group : s.topGlobalMatchingResults)
        for (const dataCombinedScore& r : group) take(r.motifID2);

    std::vector<std::string> labels;
    labels.reserve(ids.size());
    for (std::int32_t id : ids)
        labels.push_back(s.Datasets[static_cast<std::size_t>(id - 1)].motifName);
    s.distanceMatrixGlobal =
        labelledTable(labels, numberToString(std::ceil(s.maxSumScoreCompare + 3.0)));
    for (std::size_t r = 0; r < ids.size(); ++r)
        for (std::size_t c = 0; c < ids.size(); ++c) {
            const auto row = static_cast<std::size_t>(ids[r]);
            const auto column = static_cast<std::size_t>(ids[c]);
            if (r != c) s.distanceMatrixGlobal[r + 1][c + 1] = s.distanceMatrix[row][column];
        }
}
