// Whole runs with a motif tree: the tree files each kind of run makes, the images the real
// Rscript draws, the tree documents showing them, their PDFs, and an odd folder name.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "model/model.h"
#include "support/support.h"
#include "tree/treeSupport.h"

namespace {

struct InputMotifs {
    const char* name;      // in the run's motif folder
    const char* relative;  // in the shared collection
    int count;             // its first motifs
};
const InputMotifs kNematodes{"nematodes.txt", "jaspar2016_rsat/pfm_nematodes.txt", 4};
const InputMotifs kInsects{"insects.txt", "jaspar2016_rsat/pfm_insects.txt", 4};
const InputMotifs kVertebrates{"vertebrates.txt", "jaspar2016_rsat/pfm_vertebrates.txt", 50};

// Runs the program in `home` on the motifs (copied into home/motifs/) with a tree asked for.
RunResult treeRun(const Workspace& w, const fs::path& home, const std::vector<InputMotifs>& inputs,
                  const char* type, const char* format) {
    Answers a;
    a.numFiles = std::to_string(inputs.size());
    a.inputFolder = (home / "motifs").string() + "/";
    a.outputFolder = (home / "result").string();
    a.tree = "Y";
    a.type = type;
    a.format = format;
    for (const InputMotifs& m : inputs) {
        if (!writeFirstMotifs(w, m.name, m.relative, m.count)) {
            ADD_FAILURE() << kMissingMotifData;
            return {};
        }
        if (home != w.root) fs::copy_file(w.motifs() / m.name, home / "motifs" / m.name);
        a.files.emplace_back(m.name, "4");
    }
    return runProgram(home, a.text());
}

bool isTreeFile(const std::string& name) {
    for (const char* part : {"Distance_Matrix.csv", "Plot_File.R", "Motif_Tree."})
        if (name.find(part) != std::string::npos) return true;
    return false;
}

// The tree files and documents of the output folder, by their masked names.
std::vector<std::string> treeFiles(const fs::path& result) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(result)) {
        const std::string name = masked(e.path().filename().string());
        if (isTreeFile(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kNotice =
    "There is no phylogenetic tree for global significant motifs and their best matches for 1 "
    "motif file.";

// Every tree image a document refers to must be a drawn tree beside it; returns how many.
int expectImagesBeside(const fs::path& document) {
    static const std::regex image("<img src = '([^'/]*Motif_Tree\\.png)'");
    const std::string text = slurp(document);
    int found = 0;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), image); m != std::sregex_iterator();
         ++m, ++found)
        EXPECT_EQ(pngSize(document.parent_path() / (*m)[1].str()), (PngSize{700, 700}))
            << document.filename();
    return found;
}

// Tree images the PDF carries at their drawn size.
int treeImagesInPdf(const fs::path& pdf) {
    static const std::regex image(R"(\bimage\s+700\s+700\b)");
    const std::string list = capture("pdfimages -list " + shellWord(pdf.string()) + " 2>&1");
    return static_cast<int>(
        std::distance(std::sregex_iterator(list.begin(), list.end(), image), std::sregex_iterator()));
}

enum class Shows { Image, Notice, Nothing };

TEST(motifTreeRuns, eachKindOfRunMakesItsTreeFilesAndShowsItsTrees) {
    ASSERT_NE(capture("command -v php5"), "") << "no php5 on the PATH: run scripts/setup";
    struct Case {
        const char* what;
        std::vector<InputMotifs> inputs;
        const char* type;
        const char* format;
        std::vector<std::string> made;  // tree files and documents, masked
        std::vector<std::pair<std::string, Shows>> documents;
    } cases[] = {
        {"two files, All, Text",
         {kNematodes, kInsects},
         "All",
         "Text",
         {"J_<id>_Distance_Matrix.csv", "J_<id>_Global_Matching_Distance_Matrix.csv",
          "J_<id>_Global_Matching_Motif_Tree.png", "J_<id>_Global_Matching_Plot_File.R",
          "J_<id>_Motif_Tree.png", "J_<id>_Plot_File.R"},
         {}},
        {"two files, Global-Only, PDF",
         {kNematodes, kInsects},
         "Global-Only",
         "PDF",
         {"J_<id>_Global_Matching_Distance_Matrix.csv", "J_<id>_Global_Matching_Motif_Tree.pdf",
          "J_<id>_Global_Matching_Motif_Tree.png", "J_<id>_Global_Matching_Plot_File.R"},
         {{"J_<id>_Global_Matching_Motif_Tree.pdf", Shows::Image}}},
        {"one file, All, HTML",
         {kNematodes},
         "All",
         "HTML",
         {"J_<id>_Distance_Matrix.csv", "J_<id>_Global_Matching_Motif_Tree.html",
          "J_<id>_Motif_Tree.html", "J_<id>_Motif_Tree.png", "J_<id>_Plot_File.R"},
         {{"J_<id>_Global_Matching_Motif_Tree.html", Shows::Notice},
          {"J_<id>_Motif_Tree.html", Shows::Image}}},
        {"one file, Global-Only, HTML",
         {kNematodes},
         "Global-Only",
         "HTML",
         {"J_<id>_Global_Matching_Motif_Tree.html"},
         {{"J_<id>_Global_Matching_Motif_Tree.html", Shows::Nothing}}},
        {"one file, Global-Only, Text", {kNematodes}, "Global-Only", "Text", {}, {}},
        {"fifty motifs, All, Text",
         {kVertebrates},
         "All",
         "Text",
         {"J_<id>_Distance_Matrix.csv", "J_<id>_Motif_Tree.png", "J_<id>_Plot_File.R"},
         {}},
    };
    for (const Case& c : cases) {
        Workspace w;
        linkOutsideTools(w.root);
        const RunResult r = treeRun(w, w.root, c.inputs, c.type, c.format);
        ASSERT_EQ(r.status, 0) << c.what << "\n" << r.console << r.errors;
        EXPECT_EQ(r.errors, "") << c.what;
        EXPECT_EQ(treeFiles(w.result()), c.made) << c.what;

        int motifs = 0;
        for (const InputMotifs& m : c.inputs) motifs += m.count;
        for (const fs::path& png : w.outputs(".png"))
            EXPECT_EQ(pngSize(png), (PngSize{700, 700})) << c.what << ": " << png.filename();
        for (const fs::path& csv : w.outputs("_Distance_Matrix.csv")) {
            const std::string text = slurp(csv);
            const bool global = csv.filename().string().find("Global") != std::string::npos;
            EXPECT_TRUE(text.starts_with(global ? ",G1_" : ",I1_")) << c.what;
            if (!global) {
                EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), motifs + 1) << c.what;
            }
        }

        for (const auto& [name, shows] : c.documents) {
            std::vector<fs::path> found;
            for (const fs::path& p : w.outputs(name.substr(7)))
                if (masked(p.filename().string()) == name) found.push_back(p);
            ASSERT_EQ(found.size(), 1u) << c.what << ": " << name;
            const fs::path& document = found.front();
            if (document.extension() == ".pdf") {
                EXPECT_EQ(treeImagesInPdf(document), shows == Shows::Image ? 1 : 0) << c.what;
                continue;
            }
            EXPECT_EQ(expectImagesBeside(document), shows == Shows::Image ? 1 : 0) << c.what;
            EXPECT_EQ(slurp(document).find(kNotice) != std::string::npos, shows == Shows::Notice)
                << c.what;
        }
    }
}

TEST(motifTreeRuns, aFolderWithABlankAndAQuoteGetsItsTreesAndNothingLandsOutsideIt) {
    Workspace w;
    std::ofstream(w.root / "my") << "keep me\n";
    // Unquoted, the words would split and a redirection or script would hit "my".
    const fs::path home = w.root / "my 'data' set";
    fs::create_directories(home / "motifs");
    fs::create_directories(home / "result");
    linkOutsideTools(home);
    const RunResult r = treeRun(w, home, {kNematodes, kInsects}, "All", "HTML");
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(r.errors, "");
    EXPECT_EQ(treeFiles(home / "result"),
              (std::vector<std::string>{
                  "J_<id>_Distance_Matrix.csv", "J_<id>_Global_Matching_Distance_Matrix.csv",
                  "J_<id>_Global_Matching_Motif_Tree.html", "J_<id>_Global_Matching_Motif_Tree.png",
                  "J_<id>_Global_Matching_Plot_File.R", "J_<id>_Motif_Tree.html",
                  "J_<id>_Motif_Tree.png", "J_<id>_Plot_File.R"}));
    for (const auto& e : fs::directory_iterator(home / "result")) {
        if (e.path().filename().string().ends_with("Motif_Tree.html")) {
            EXPECT_EQ(expectImagesBeside(e.path()), 1) << e.path().filename();
        }
    }

    EXPECT_EQ(slurp(w.root / "my"), "keep me\n");
    std::vector<std::string> beside, inHome;
    for (const auto& e : fs::directory_iterator(w.root))
        beside.push_back(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(home)) inHome.push_back(e.path().filename().string());
    std::sort(beside.begin(), beside.end());
    std::sort(inHome.begin(), inHome.end());
    // The workspace's own motifs/ and result/ hold the copies the run read.
    EXPECT_EQ(beside, (std::vector<std::string>{"motifs", "my", "my 'data' set", "result"}));
    EXPECT_EQ(inHome, (std::vector<std::string>{"motifs", "prince.php", "result", "weblogo-3.4"}));
    EXPECT_TRUE(fs::is_empty(w.result()));
}

}  // namespace
