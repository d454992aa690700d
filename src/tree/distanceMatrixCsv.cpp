// The distance table as the comma-separated file the drawing script reads.
#include "tree/tree.h"

std::string csvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    // A name with a comma would otherwise shift every later column of its line.
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string distanceMatrixCsv(const DistanceTable& table) {
    std::string text;
    for (const std::vector<std::string>& row : table) {
        // Every cell keeps its trailing comma, the last one included: the reader takes
        // the empty column after it as one more column of missing values, which the
        // distance object never reads.
        for (const std::string& cell : row) text += csvCell(cell) + ",";
        text += '\n';
    }
    return text;
}
