// PDF reports read back page by page: every page A4 with its footer, and every logo,
// word and line of the HTML report on the page, inside its content box.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "model/model.h"
#include "support/support.h"

extern char** environ;

namespace {

constexpr const char* kLandscape = "841.89 x 595.276 pts (A4)";
constexpr const char* kPortrait = "595.276 x 841.89 pts (A4)";
// The converter's page margin, 75 CSS pixels, in points.
constexpr double kMargin = 56.25;

struct Placed {
    double left, right;
    std::string what;
};

struct PdfPage {
    std::string size;  // as pdfinfo names it
    double width = 0;
    std::string text;
    std::vector<Placed> words, images;
};

template <typename F>
void eachMatch(const std::string& text, const std::regex& pattern, F f) {
    for (auto m = std::sregex_iterator(text.begin(), text.end(), pattern);
         m != std::sregex_iterator(); ++m)
        f(*m);
}

std::vector<PdfPage> readPdf(const fs::path& pdf, const fs::path& scratch) {
    const std::string file = shellWord(pdf.string());
    std::vector<PdfPage> pages;
    eachMatch(capture("pdfinfo -f 1 -l 100000 " + file), std::regex(R"(Page +\d+ size: +(.*))"),
              [&](const std::smatch& m) { pages.emplace_back().size = m[1]; });

    std::istringstream text(capture("pdftotext -layout " + file + " -"));
    std::string pageText;
    for (std::size_t i = 0; std::getline(text, pageText, '\f') && i < pages.size(); ++i)
        pages[i].text = pageText;

    const std::string boxes = capture("pdftotext -bbox " + file + " -");
    const std::regex page(R"re(<page width="([0-9.]+)")re");
    const std::regex word(
        R"re(<word xMin="([0-9.-]+)" yMin="[^"]*" xMax="([0-9.-]+)"[^>]*>([^<]*))re");
    std::size_t at = 0;
    for (PdfPage& p : pages) {
        const std::size_t begin = boxes.find("<page ", at);
        if (begin == std::string::npos) break;
        const std::size_t end = boxes.find("</page>", begin);
        const std::string one = boxes.substr(begin, end - begin);
        at = end;
        std::smatch width;
        if (std::regex_search(one, width, page)) p.width = std::stod(width[1]);
        eachMatch(one, word, [&](const std::smatch& m) {
            p.words.push_back({std::stod(m[1]), std::stod(m[2]), m[3]});
        });
    }

    // Images keep their place even where the page cuts them off.
    fs::create_directories(scratch);
    capture("pdftohtml -xml -zoom 1 -q " + file + " " + shellWord((scratch / "pages").string()));
    const std::string xml = slurp(scratch / "pages.xml");
    std::size_t number = 0;
    const std::regex item(
        R"re(<page number="(\d+)"|<image top="\d+" left="(-?\d+)" width="(\d+)")re");
    eachMatch(xml, item, [&](const std::smatch& m) {
        if (m[1].matched)
            number = std::stoul(m[1]);
        else if (number >= 1 && number <= pages.size())
            pages[number - 1].images.push_back(
                {std::stod(m[2]), std::stod(m[2]) + std::stod(m[3]), "image"});
    });
    fs::remove_all(scratch);
    return pages;
}

// What a reader must find in the PDF of an HTML report: its images and the sequences of
// its alignment and consensus lines.
struct Expected {
    std::size_t images = 0;
    std::vector<std::string> sequences;
};

Expected readHtml(const fs::path& html) {
    const std::string page = slurp(html);
    Expected e;
    eachMatch(page, std::regex("<img "), [&](const std::smatch&) { ++e.images; });
    eachMatch(page,
              std::regex("<font face = 'Courier New'>([^<]*)</font>|Consensus sequence: ([A-Z]+)"),
              [&](const std::smatch& m) { e.sequences.push_back(m[1].matched ? m[1] : m[2]); });
    return e;
}

// Checks one PDF of a whole run against the HTML report kept beside it.
void expectWholeOnA4(const fs::path& pdf, const char* pageSize, const fs::path& scratch) {
    const std::string name = masked(pdf.filename().string());
    fs::path html = pdf;
    html.replace_extension(".html");
    ASSERT_TRUE(fs::exists(html)) << name;
    const Expected expected = readHtml(html);
    const std::vector<PdfPage> pages = readPdf(pdf, scratch);
    ASSERT_FALSE(pages.empty()) << name;

    std::size_t images = 0;
    std::string words;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PdfPage& p = pages[i];
        const std::string where = name + " page " + std::to_string(i + 1);
        EXPECT_EQ(p.size, pageSize) << where;
        const std::string footer =
            "Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size());
        EXPECT_NE(p.text.find(footer), std::string::npos) << where;
        // Words are placed to the hundredth of a point, images to whole points.
        const auto inside = [&](const Placed& x, double slack) {
            EXPECT_GE(x.left, kMargin - slack) << where << ": " << x.what;
            EXPECT_LE(x.right, p.width - kMargin + slack) << where << ": " << x.what;
        };
        for (const Placed& w : p.words) {
            inside(w, 0.1);
            words += w.what + "\n";
        }
        for (const Placed& image : p.images) inside(image, 1);
        images += p.images.size();
    }
    EXPECT_EQ(images, expected.images) << name;
    // Alignment lines start and end with gaps; the letters between them must be there.
    for (const std::string& line : expected.sequences) {
        const std::size_t first = line.find_first_not_of('-'), last = line.find_last_not_of('-');
        if (first == std::string::npos) continue;
        EXPECT_NE(words.find(line.substr(first, last + 1 - first)), std::string::npos)
            << name << ": " << line;
    }
}

// A JASPAR-layout motif that cycles through a 20-letter pattern, `shift` letters in.
std::string longMotif(const std::string& name, int columns, int shift) {
    const std::string pattern = "ACGTTGCAAGTCCATGGATC";
    std::string text = ">" + name + "\t" + name + "\n";
    for (char base : std::string("ACGT")) {
        text += std::string(1, base) + "  [";
        for (int c = 0; c < columns; ++c) text += pattern[(c + shift) % 20] == base ? " 40" : " 2";
        text += " ]\n";
    }
    return text + "\n";
}

// The first motifs of a real JASPAR collection.
bool writeRealMotifs(const Workspace& w, const std::string& collection, int count) {
    const std::string source = motifDataPath("jaspar2016_rsat/" + collection);
    if (source.empty()) return false;
    std::istringstream in(slurp(source));
    std::string line, kept;
    int motifs = 0;
    while (std::getline(in, line) && !(line.starts_with(">") && ++motifs > count))
        kept += line + "\n";
    w.write(collection, kept);
    return true;
}

struct WholeRun {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;  // name, format
    std::string database, tree;
    std::size_t reports, trees;
};

void PrintTo(const WholeRun& run, std::ostream* out) { *out << run.name; }

class pdfReports : public testing::TestWithParam<WholeRun> {};

TEST_P(pdfReports, showEveryLogoAndLineWholeOnA4PagesWithTheirFooter) {
    ASSERT_NE(capture("command -v php5"), "") << "no php5 on the PATH: run scripts/setup";
    ASSERT_TRUE(fs::exists("/usr/local/bin/prince")) << "no converter: run scripts/setup";
    const WholeRun& run = GetParam();
    Workspace w;
    linkOutsideTools(w.root);
    if (!writeRealMotifs(w, "pfm_vertebrates.txt", 4) || !writeRealMotifs(w, "pfm_insects.txt", 3))
        FAIL() << kMissingMotifData;
    w.write("long.txt", longMotif("long1", 130, 0) + longMotif("long2", 120, 3));
    // The program looks for the TRANSFAC database below the folder it starts in.
    fs::create_directories(w.root / "databases" / "transfac");
    fs::copy_file(fs::path(KELVANOR_SOURCE_DIR) / "example" / "reference" / "transfac.txt",
                  w.root / "databases" / "transfac" / "transfac.txt");
    Answers a;
    a.numFiles = std::to_string(run.files.size());
    a.threads = "8";
    a.inputFolder = w.inputFolder();
    a.files = run.files;
    a.database = run.database;
    a.tree = run.tree;
    a.type = "All";
    a.format = "All";
    a.outputFolder = w.result().string();
    const RunResult r = runProgram(w.root, a.text());
    ASSERT_EQ(r.status, 0) << r.console << r.errors;
    EXPECT_EQ(r.errors, "");

    std::size_t reports = 0, trees = 0;
    for (const fs::path& pdf : w.outputs(".pdf")) {
        const bool tree = pdf.filename().string().ends_with("Motif_Tree.pdf");
        ++(tree ? trees : reports);
        expectWholeOnA4(pdf, tree ? kPortrait : kLandscape, w.root / "pages");
    }
    EXPECT_EQ(reports, run.reports);
    EXPECT_EQ(trees, run.trees);
}

INSTANTIATE_TEST_SUITE_P(
    runs, pdfReports,
    testing::Values(
        // Logo tables 1,200 pixels wide, long database consensus lines; trees in portrait.
        WholeRun{"realMotifsADatabaseAndTrees",
                 {{"pfm_vertebrates.txt", "4"}, {"pfm_insects.txt", "4"}}, "8", "Y", 4, 2},
        // Alignment and consensus lines of motifs of 130 positions.
        WholeRun{"longMotifs", {{"long.txt", "4"}}, "14", "N", 2, 0}),
    [](const testing::TestParamInfo<WholeRun>& info) { return std::string(info.param.name); });

// The converter on its own, on small documents of ours, in a folder whose name a shell
// would split and expand.
TEST(pdfConverter, fitsWhatItsSampleMissedKeepsWhatFitsAndLeavesNoPdfWhenItFails) {
    const std::string launcher = std::string(KELVANOR_SOURCE_DIR) + "/tools/prince";
    const std::string head =
        "<html><head><style>@page { @bottom-right { content: 'Page ' counter(page) ' of ' "
        "counter(pages); } }</style></head><body>\n";
    std::string lines;
    // The sample ranks lines by their letters: these narrow ones come first, and the
    // widest line is left for the layout of the whole document to find.
    for (int i = 0; i < 4; ++i) lines += "<p>" + std::string(160 + i, 'i') + "</p>\n";
    lines += "<p>" + std::string(70, 'W') + "</p>\n";
    struct Case {
        const char* what;
        std::string body;  // none: no document
        bool folderInTheWay, made, fits;
    } cases[] = {
        {"fits", "<h3>Motif 1</h3><table width='600'><tr><td>GTTAATBATTAAC</td></tr></table>",
         false, true, true},
        {"wider than the page", lines, false, true, false},
        {"no document", "", false, false, false},
        {"the PDF's name taken by a folder", lines, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Workspace w;
        const fs::path folder = w.root / "it's a $(dir) & more";
        fs::create_directories(folder);
        const fs::path html = folder / "report 1.html", pdf = folder / "report 1.pdf",
                       log = folder / "prince's.log";
        if (!c.body.empty()) std::ofstream(html) << head << c.body << "</body></html>\n";
        if (c.folderInTheWay)
            fs::create_directory(pdf);
        else
            std::ofstream(pdf) << "%PDF-1.4 from an earlier run";

        const int raw = std::system(
            (shellWord(launcher) + " --input=html --log=" + shellWord(log.string()) + " " +
             shellWord(html.string()) + " -o " + shellWord(pdf.string()) + " 2>/dev/null")
                .c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        EXPECT_EQ(status == 0, c.made) << status;
        EXPECT_EQ(fs::is_regular_file(pdf), c.made);
        std::vector<std::string> left;
        for (const auto& e : fs::directory_iterator(folder)) left.push_back(e.path().filename());
        std::sort(left.begin(), left.end());
        std::vector<std::string> expected{"prince's.log"};
        if (!c.body.empty()) expected.push_back("report 1.html");
        if (c.made || c.folderInTheWay) expected.push_back("report 1.pdf");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(left, expected) << "nothing half-written is left";
        const std::string logged = slurp(log);
        EXPECT_NE(logged.find(" -> " + pdf.string() + ": status " + std::to_string(status) + "\n"),
                  std::string::npos)
            << logged;
        if (!c.made) {
            EXPECT_NE(logged.find("prince: no PDF made from " + html.string()), std::string::npos)
                << logged;
            continue;
        }
        const std::vector<PdfPage> pages = readPdf(pdf, w.root / "pages");
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].size, kPortrait);
        EXPECT_NE(pages[0].text.find("Page 1 of 1"), std::string::npos);
        for (const Placed& word : pages[0].words) {
            EXPECT_GE(word.left, kMargin - 0.1) << word.what;
            EXPECT_LE(word.right, pages[0].width - kMargin + 0.1) << word.what;
        }
        const std::string boxes = capture("pdftotext -bbox " + shellWord(pdf.string()) + " -");
        const fs::path plain = w.root / "plain.pdf";
        capture("weasyprint -q --presentational-hints " + shellWord(html.string()) + " " +
                shellWord(plain.string()));
        const std::string plainBoxes =
            capture("pdftotext -bbox " + shellWord(plain.string()) + " -");
        EXPECT_EQ(boxes == plainBoxes, c.fits) << "a document that fits is left as it is";
        EXPECT_EQ(logged.find("printed at") == std::string::npos, c.fits) << logged;
    }
}

}  // namespace

namespace {

// The run stops a conversion with SIGTERM to its process group; whatever the converter had
// begun to write goes with it.
TEST(pdfConverter, aConversionStoppedWhileItWritesLeavesNothingHalfWritten) {
    Workspace w;
    const fs::path html = w.root / "big.html", pdf = w.root / "big.pdf";
    {
        std::ofstream out(html);
        out << "<html><body>\n";
        for (int i = 0; i < 3000; ++i) out << "<p>Line " << i << " GGATCACAGTC ACGTACGT</p>\n";
        out << "</body></html>\n";
    }
    const std::string launcher = std::string(KELVANOR_SOURCE_DIR) + "/tools/prince";
    const std::string log = "--log=" + (w.root / "prince.log").string();
    const std::string input = html.string(), output = pdf.string();
    char* argv[] = {const_cast<char*>(launcher.c_str()), const_cast<char*>("--input=html"),
                    const_cast<char*>(log.c_str()),      const_cast<char*>(input.c_str()),
                    const_cast<char*>("-o"),             const_cast<char*>(output.c_str()),
                    nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &files, &attributes, argv, environ), 0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);

    const auto partFiles = [&] {
        std::vector<std::string> found;
        for (const auto& e : fs::directory_iterator(w.root))
            if (e.path().filename().string().ends_with(".part")) found.push_back(e.path());
        return found;
    };
    bool writing = false;
    for (int tries = 0; !writing && tries < 60000 && waitpid(pid, nullptr, WNOHANG) == 0; ++tries) {
        writing = !partFiles().empty();
        if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(writing) << "the conversion ended before it was seen writing";
    kill(-pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // The converter itself runs below the launcher's shell; give it a moment to unwind.
    for (int tries = 0; kill(-pid, 0) == 0 && tries < 250; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(partFiles().empty());
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
