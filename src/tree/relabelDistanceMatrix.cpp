// Tree labels: the position in front of every motif name, in row 0 and column 0.
#include "model/model.h"
#include "tree/tree.h"

void relabelDistanceMatrix(DistanceTable& table, const std::string& prefix) {
    if (table.empty()) return;
    const std::size_t labels = table[0].size();
    for (std::size_t k = 1; k < labels; ++k) {
        const std::string tag = prefix + numberToString(static_cast<double>(k)) + "_";
        table[0][k].insert(0, tag);
        if (k < table.size() && !table[k].empty()) table[k][0].insert(0, tag);
    }
}
