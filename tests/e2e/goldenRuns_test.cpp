// Whole runs compared byte for byte with golden reports, on one and on eight threads.
// KELVANOR_UPDATE_GOLDEN=1 rewrites tests/e2e/golden/runs/; `git diff` then shows what moved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "support/support.h"

namespace {

struct InputFile {
    std::string source;  // below the project, or "shared:" + a path in the shared motif data
    std::string format;
};

// A reference database file, laid out below the folder the run is started in.
struct DatabaseFile {
    std::string source;  // as InputFile::source
    std::string placed;  // e.g. "databases/transfac/transfac.txt"
};

struct GoldenCase {
    const char* name;
    std::vector<InputFile> files;
    Answers answers;  // inputFolder, files and outputFolder are filled in per run
    std::vector<DatabaseFile> databases = {};
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases;
    {
        GoldenCase c{"example",
                     {{"example/motifs/liver_factors.txt", "4"},
                      {"example/motifs/heart_factors.txt", "1"}},
                     {}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "3";
        c.answers.cutoff = "0.75";
        c.answers.type = "All";
        c.answers.format = "All";
        cases.push_back(c);
    }
    {
        GoldenCase c{"jaspar_two_files_global",
                     {{"shared:jaspar2016_rsat/pfm_nematodes.txt", "4"},
                      {"shared:jaspar2016_rsat/pfm_insects.txt", "4"}},
                     {}};
        c.answers.topMotifs = "10";
        c.answers.bestMatches = "5";
        c.answers.cutoff = "0.75";
        c.answers.type = "Global-Only";
        c.answers.format = "All";
        cases.push_back(c);
    }
    {
        GoldenCase c{"jaspar_one_file_all", {{"shared:jaspar2016_rsat/pfm_nematodes.txt", "4"}}, {}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "2";
        c.answers.cutoff = "0.8";
        c.answers.type = "All";
        c.answers.format = "All";
        cases.push_back(c);
    }
    {
        GoldenCase c{"example_tree_all",
                     {{"example/motifs/liver_factors.txt", "4"},
                      {"example/motifs/heart_factors.txt", "1"}},
                     {}};
        c.answers.tree = "Y";
        c.answers.type = "All";
        c.answers.format = "HTML";
        cases.push_back(c);
    }
    {
        GoldenCase c{"jaspar_one_file_tree_all",
                     {{"shared:jaspar2016_rsat/pfm_nematodes.txt", "4"}},
                     {}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "2";
        c.answers.cutoff = "0.8";
        c.answers.tree = "Y";
        c.answers.type = "All";
        c.answers.format = "HTML";
        cases.push_back(c);
    }
    {
        // The first entry of the second motif's group is the mirrored record of the pair.
        GoldenCase c{"combine_mirrored_pair_html",
                     {{"tests/combine/fixtures/left.txt", "4"},
                      {"tests/combine/fixtures/right.txt", "4"}},
                     {}};
        c.answers.topMotifs = "2";
        c.answers.bestMatches = "1";
        c.answers.cutoff = "0.9";
        c.answers.combine = "Y";
        c.answers.type = "Global-Only";
        c.answers.format = "HTML";
        cases.push_back(c);
    }
    {
        GoldenCase c{"combine_example_all",
                     {{"example/motifs/liver_factors.txt", "4"},
                      {"example/motifs/heart_factors.txt", "1"}},
                     {}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "3";
        c.answers.cutoff = "0.75";
        c.answers.combine = "Y";
        c.answers.type = "All";
        c.answers.format = "Text";
        cases.push_back(c);
    }
    for (const char* type : {"Global-Only", "All"}) {
        GoldenCase c{type == std::string("All") ? "combine_jaspar_all" : "combine_jaspar_global",
                     {{"shared:jaspar2016_rsat/pfm_nematodes.txt", "4"},
                      {"shared:jaspar2016_rsat/pfm_urochordates.txt", "4"}},
                     {}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "3";
        c.answers.cutoff = "0.75";
        c.answers.combine = "Y";
        c.answers.type = type;
        c.answers.format = "Text";
        cases.push_back(c);
    }
    {
        GoldenCase c{"transfac_two_files_global",
                     {{"shared:jaspar2016_rsat/pfm_urochordates.txt", "4"},
                      {"shared:jaspar2016_rsat/pfm_nematodes.txt", "4"}},
                     {},
                     {{"tests/e2e/fixtures/transfac.txt", "databases/transfac/transfac.txt"}}};
        c.answers.topMotifs = "3";
        c.answers.bestMatches = "2";
        c.answers.cutoff = "0.75";
        c.answers.database = "8";
        c.answers.type = "Global-Only";
        c.answers.format = "All";
        cases.push_back(c);
    }
    {
        GoldenCase c{"uniprobe_one_file_all",
                     {{"example/motifs/liver_factors.txt", "4"}},
                     {},
                     {{"tests/e2e/fixtures/uniprobe_worm.txt",
                       "databases/uniprobe/uniprobe_worm.txt"}}};
        c.answers.topMotifs = "2";
        c.answers.bestMatches = "2";
        c.answers.cutoff = "0.7";
        c.answers.database = "12";
        c.answers.type = "All";
        c.answers.format = "All";
        cases.push_back(c);
    }
    {
        // The bundled example as `make example` runs it: every stage, every report kind.
        GoldenCase c{"example_every_report",
                     {{"example/motifs/liver_factors.txt", "4"},
                      {"example/motifs/heart_factors.txt", "1"}},
                     {},
                     {{"example/reference/transfac.txt", "databases/transfac/transfac.txt"}}};
        c.answers.topMotifs = "5";
        c.answers.bestMatches = "3";
        c.answers.cutoff = "0.75";
        c.answers.database = "8";
        c.answers.tree = "Y";
        c.answers.combine = "Y";
        c.answers.type = "All";
        c.answers.format = "All";
        cases.push_back(c);
    }
    return cases;
}

fs::path sourceOf(const std::string& source) {
    if (source.starts_with("shared:")) {
        const std::string p = motifDataPath(source.substr(7));
        return p;
    }
    return fs::path(KELVANOR_SOURCE_DIR) / source;
}

std::string withoutRoot(std::string text, const fs::path& root) {
    const std::string r = root.string();
    for (std::size_t p; (p = text.find(r)) != std::string::npos;) text.replace(p, r.size(), "<root>");
    return text;
}

// Every text output of one run, masked, by its name without the job identifier; the
// console under "console.txt". Images and PDFs are made by outside programs and are
// checked elsewhere.
std::map<std::string, std::string> runCase(const GoldenCase& c, int threads) {
    Workspace w;
    Answers a = c.answers;
    a.numFiles = std::to_string(c.files.size());
    a.threads = std::to_string(threads);
    a.inputFolder = w.inputFolder();
    a.outputFolder = w.result().string();
    for (const InputFile& f : c.files) {
        const fs::path from = sourceOf(f.source);
        if (from.empty() || !fs::exists(from)) {
            ADD_FAILURE() << "input " << f.source << " of case " << c.name
                          << " is missing (is ../shared/data/motifs there?)";
            return {};
        }
        fs::copy_file(from, w.motifs() / from.filename());
        a.files.emplace_back(from.filename().string(), f.format);
    }
    for (const DatabaseFile& d : c.databases) {
        const fs::path from = sourceOf(d.source);
        if (from.empty() || !fs::exists(from)) {
            ADD_FAILURE() << "database " << d.source << " of case " << c.name << " is missing";
            return {};
        }
        fs::create_directories((w.root / d.placed).parent_path());
        fs::copy_file(from, w.root / d.placed);
    }
    // The machine stays the same; only the answered thread count changes.
    const RunResult r = runProgram(w.root, a.text());
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.console << r.errors;

    std::map<std::string, std::string> outputs;
    outputs["console.txt"] = withoutRoot(masked(r.console), w.root);
    for (const auto& e : fs::directory_iterator(w.result())) {
        if (!e.is_regular_file()) continue;
        std::string name = masked(e.path().filename().string());
        if (name.ends_with(".pdf") || name.ends_with(".png") || name == "prince.log") continue;
        if (name.starts_with("J_<id>_")) name.erase(0, 7);
        outputs[name] = withoutRoot(masked(slurp(e.path())), w.root);
    }
    return outputs;
}

fs::path goldenFolder(const GoldenCase& c) {
    return fs::path(KELVANOR_SOURCE_DIR) / "tests/e2e/golden/runs" / c.name;
}

void writeGolden(const GoldenCase& c, const std::map<std::string, std::string>& outputs) {
    const fs::path folder = goldenFolder(c);
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, text] : outputs) std::ofstream(folder / name, std::ios::binary) << text;
}

std::map<std::string, std::string> readGolden(const GoldenCase& c) {
    std::map<std::string, std::string> golden;
    if (!fs::exists(goldenFolder(c))) return golden;
    for (const auto& e : fs::directory_iterator(goldenFolder(c)))
        golden[e.path().filename().string()] = slurp(e.path());
    return golden;
}

class GoldenRuns : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenRuns, everyReportIsByteIdenticalOnOneAndEightThreads) {
    const GoldenCase& c = GetParam();
    const auto one = runCase(c, 1);
    ASSERT_FALSE(one.empty());
    if (std::getenv("KELVANOR_UPDATE_GOLDEN")) writeGolden(c, one);
    const auto golden = readGolden(c);
    ASSERT_FALSE(golden.empty()) << "no golden reports for " << c.name;

    const auto eight = runCase(c, 8);
    for (const auto* run : {&one, &eight}) {
        const char* threads = run == &one ? "1 thread" : "8 threads";
        std::vector<std::string> names, goldenNames;
        for (const auto& [name, text] : *run) names.push_back(name);
        for (const auto& [name, text] : golden) goldenNames.push_back(name);
        EXPECT_EQ(names, goldenNames) << c.name << ", " << threads;
        for (const auto& [name, text] : golden) {
            const auto found = run->find(name);
            if (found == run->end()) continue;
            EXPECT_TRUE(found->second == text)
                << c.name << "/" << name << " differs on " << threads
                << " (KELVANOR_UPDATE_GOLDEN=1 rewrites it)";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, GoldenRuns, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
