// Whole runs with a reference database laid out below the folder the run starts in.
#include <gtest/gtest.h>

#include <map>

#include "support/support.h"

namespace {

struct DatabaseRun {
    RunResult result;
    std::map<std::string, std::string> reports;  // masked name without the job identifier
};

// Two real motif files against a database file placed at `placed` below the run folder.
DatabaseRun runWith(const std::string& databaseSource, const std::string& placed,
                    const std::string& menuNumber, const std::string& type,
                    const std::string& format, int threads) {
    Workspace w;
    for (const char* name : {"pfm_nematodes.txt", "pfm_insects.txt"}) {
        const std::string path = motifDataPath(std::string("jaspar2016_rsat/") + name);
        if (path.empty()) return {};
        fs::copy_file(path, w.motifs() / name);
    }
    if (!databaseSource.empty()) {
        fs::create_directories((w.root / placed).parent_path());
        fs::copy_file(databaseSource, w.root / placed);
    }
    Answers a;
    a.numFiles = "2";
    a.topMotifs = "10";
    a.bestMatches = "3";
    a.cutoff = "0.75";
    a.threads = std::to_string(threads);
    a.inputFolder = w.inputFolder();
    a.files = {{"pfm_nematodes.txt", "4"}, {"pfm_insects.txt", "4"}};
    a.database = menuNumber;
    a.type = type;
    a.format = format;
    a.outputFolder = w.result().string();
    DatabaseRun run;
    run.result = runProgram(w.root, a.text(), threads);
    for (const fs::path& p : w.outputs()) {
        std::string name = masked(p.filename().string());
        if (name.find("Results") == std::string::npos) continue;
        run.reports[name.substr(name.find("_<id>_") + 6)] = masked(slurp(p));
    }
    return run;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST(databaseRuns, vertebratesAsDatabaseOnOneAndEightThreads) {
    const std::string vertebrates = motifDataPath("jaspar2016_rsat/pfm_vertebrates.txt");
    ASSERT_FALSE(vertebrates.empty()) << kMissingMotifData;
    const std::string placed = "databases/jaspar/jaspar_pfm_vertebrates.txt";
    struct Case {
        const char* type;
        const char* format;
        std::vector<std::string> databaseReports;
    } cases[] = {
        {"All", "Text",
         {"Results_Database_Matching.txt", "Results_Database_Matching_Global_Matching.txt",
          "Results_Database_Matching_Without_Motif_Details.txt"}},
        {"All", "HTML",
         {"HTML_Results_Database_Matching.html",
          "HTML_Results_Database_Matching_Global_Matching.html"}},
        {"Global-Only", "Text", {"Results_Database_Matching_Global_Matching.txt"}},
        {"Global-Only", "HTML", {"HTML_Results_Database_Matching_Global_Matching.html"}},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.type) + " " + c.format;
        const DatabaseRun one = runWith(vertebrates, placed, "7", c.type, c.format, 1);
        ASSERT_EQ(one.result.status, 0) << what << one.result.console << one.result.errors;
        std::vector<std::string> databaseReports;
        for (const auto& [name, text] : one.reports)
            if (name.find("Database") != std::string::npos) databaseReports.push_back(name);
        EXPECT_EQ(databaseReports, c.databaseReports) << what;
        for (const std::string& name : databaseReports) {
            const std::string& text = one.reports.at(name);
            // Ten representatives, or every input motif; each with matches here.
            const int listed = count(text, "Best Matches for Motif ID ");
            EXPECT_GE(listed, name.find("Global") != std::string::npos ? 10 : 100) << name;
            EXPECT_GT(count(text, "Alignment:"), listed) << name;
            EXPECT_NE(text.find(name.ends_with(".html") ? "Taxon:" : "Taxon: Vertebrates"),
                      std::string::npos)
                << name;
        }
        const DatabaseRun eight = runWith(vertebrates, placed, "7", c.type, c.format, 8);
        ASSERT_EQ(eight.reports.size(), one.reports.size()) << what;
        for (const auto& [name, text] : one.reports)
            EXPECT_TRUE(eight.reports.at(name) == text) << what << ": " << name << " differs";
    }
}

TEST(databaseRuns, aMissingDatabaseFileEndsTheRun) {
    const DatabaseRun run = runWith("", "", "3", "All", "Text", 2);
    if (run.reports.empty()) FAIL() << kMissingMotifData;
    EXPECT_EQ(run.result.status, 1);
    EXPECT_TRUE(run.result.console.ends_with("Invalid input path or file name.\n"))
        << run.result.console;
    // The comparison reports are complete; the database reports have their headers only.
    EXPECT_NE(run.reports.at("Results.txt").find("Best Matches for Motif ID"), std::string::npos);
    EXPECT_TRUE(run.reports.at("Results_Database_Matching.txt").ends_with("RESULTS\n" +
                                                                          std::string(196, '*') +
                                                                          "\n\n"));
}

TEST(databaseRuns, motifsWithoutPositionsAreNamedOnStandardErrorOnly) {
    const std::string damaged =
        (fs::path(KELVANOR_SOURCE_DIR) / "tests/database/fixtures/transfac.txt").string();
    const DatabaseRun run =
        runWith(damaged, "databases/transfac/transfac.txt", "8", "Global-Only", "Text", 2);
    if (run.reports.empty()) FAIL() << kMissingMotifData;
    ASSERT_EQ(run.result.status, 0) << run.result.console << run.result.errors;
    EXPECT_EQ(run.result.errors,
              "Warning: 2 database motifs have no positions and take no part in the matching: "
              "2 NOSITES, 3 NEGATIVE\n");
    EXPECT_EQ(run.result.console.find("Warning"), std::string::npos);
}

}  // namespace
