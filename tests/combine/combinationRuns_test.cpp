// Whole runs that combine similar motifs, read back from the combined-motif report.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "support/support.h"

namespace {

struct TableRow {
    std::string name1, name2, format1, format2, motif1, motif2, combined;
    std::string line1, line2;  // the step's alignment drawing
};

std::string trimmed(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The table rows of a report whose names are at most 14 characters and whose matrices at
// most 14 rows long, each with the drawing that follows it.
std::vector<TableRow> tableRows(const std::string& report) {
    constexpr std::size_t kWidths[] = {19, 19, 23, 23, 19, 19, 19};
    std::vector<std::string> lines;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::vector<TableRow> rows;
    for (std::size_t k = 0; k + 5 < lines.size(); ++k) {
        const std::string& line = lines[k];
        if (line.size() != 141 || line.starts_with("1st motif name")) continue;
        std::vector<std::string> cells;
        for (std::size_t at = 0; const std::size_t width : kWidths) {
            cells.push_back(trimmed(line.substr(at, width)));
            at += width;
        }
        EXPECT_EQ(lines[k + 3], "Alignment:");
        rows.push_back({cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6],
                        lines[k + 4], lines[k + 5]});
    }
    return rows;
}

// The two drawing lines laid on each other; '?' where they disagree.
std::string overlaid(const std::string& line1, const std::string& line2) {
    std::string merged;
    for (std::size_t k = 0; k < line1.size() && k < line2.size(); ++k) {
        const char a = line1[k], b = line2[k];
        merged += a == '-' ? b : (b == '-' || b == a) ? a : '?';
    }
    return merged;
}

std::string lettersOf(std::string line) {
    std::erase(line, '-');
    return line;
}

TEST(combinationRuns, mirroredFirstEntriesMergeAsTheirPairScanAlignedThem) {
    for (const int threads : {1, 8}) {
        SCOPED_TRACE(threads);
        Workspace w;
        const fs::path fixtures = fs::path(KELVANOR_SOURCE_DIR) / "tests/combine/fixtures";
        for (const char* name : {"left.txt", "right.txt"})
            fs::copy_file(fixtures / name, w.motifs() / name);
        Answers a;
        a.numFiles = "2";
        a.topMotifs = "2";
        a.bestMatches = "1";
        a.cutoff = "0.9";
        a.threads = std::to_string(threads);
        a.inputFolder = w.inputFolder();
        a.files = {{"left.txt", "4"}, {"right.txt", "4"}};
        a.combine = "Y";
        a.type = "Global-Only";
        a.format = "Text";
        a.outputFolder = w.result().string();
        const RunResult r = runProgram(w.root, a.text());
        ASSERT_EQ(r.status, 0) << r.console << r.errors;
        EXPECT_EQ(r.errors, "");

        const auto reports = w.outputs("Results_Combined_Motifs_Global_Matching.txt");
        ASSERT_EQ(reports.size(), 1u);
        const std::string report = slurp(reports[0]);
        for (const char* banner : {"Significant Motif ID 1 and", "Significant Motif ID 2 and"})
            EXPECT_NE(report.find(banner), std::string::npos) << banner;

        // Each motif of the pair on its two strands.
        const std::map<std::pair<std::string, std::string>, std::string> consensus = {
            {{"Left", "Original Motif"}, "GGATCACA"},
            {{"Left", "Reverse Complement"}, "TGTGATCC"},
            {{"Right", "Original Motif"}, "TCACAGTC"},
            {{"Right", "Reverse Complement"}, "GACTGTGA"}};
        const std::vector<TableRow> rows = tableRows(report);
        // Both groups hold one entry each, one of them the pair's mirrored record.
        ASSERT_EQ(rows.size(), 2u);
        for (const TableRow& row : rows) {
            SCOPED_TRACE(row.name1 + " " + row.format1 + ", " + row.name2 + " " + row.format2);
            EXPECT_TRUE(row.combined == "GGATCACAGTC" || row.combined == "GACTGTGATCC")
                << row.combined;
            EXPECT_EQ(row.motif1, consensus.at({row.name1, row.format1}));
            EXPECT_EQ(row.motif2, consensus.at({row.name2, row.format2}));
            // Each drawing line carries its own motif, laid where the merge laid it.
            EXPECT_EQ(lettersOf(row.line1), row.motif1);
            EXPECT_EQ(lettersOf(row.line2), row.motif2);
            EXPECT_EQ(overlaid(row.line1, row.line2), row.combined);
        }
    }
}

}  // namespace
