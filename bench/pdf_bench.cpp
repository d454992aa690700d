// Times the conversion of a run's HTML reports to PDF: our converter launcher (which fits
// content wider than the page onto A4) beside plain WeasyPrint on the same documents, in
// the same invocation. The reports come from a whole run of the program on the first
// motifs of JASPAR collections; every logo is one real logo, copied, so that the images
// weigh what real ones do without the cost of drawing them.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "benchSupport.h"
#include "model/model.h"

namespace fs = std::filesystem;
using bench::now;
using bench::split;

namespace {

int shell(const std::string& command) { return std::system(command.c_str()); }

// Seconds each command takes, the fastest of `repeats` rounds; a round runs them in turn,
// so both meet the same load and caches. Negative for a command that failed.
std::vector<double> timedInTurn(const std::vector<std::string>& commands, int repeats) {
    std::vector<double> best(commands.size(), -1);
    for (int k = 0; k < repeats; ++k)
        for (std::size_t c = 0; c < commands.size(); ++c) {
            const double t0 = now();
            const bool ran = shell(commands[c]) == 0;
            const double t = now() - t0;
            if (!ran) best[c] = -1;
            else if (k == 0 || (best[c] >= 0 && t < best[c])) best[c] = t;
        }
    return best;
}

int pages(const fs::path& pdf) {
    FILE* pipe = popen(("pdfinfo " + shellWord(pdf.string()) + " 2>/dev/null").c_str(), "r");
    if (!pipe) return 0;
    char line[512];
    int count = 0;
    while (std::fgets(line, sizeof line, pipe))
        if (std::sscanf(line, "Pages: %d", &count) == 1) break;
    pclose(pipe);
    return count;
}

// The first `count` motifs of a JASPAR-layout file.
std::string firstMotifs(const fs::path& file, int count) {
    std::ifstream in(file);
    std::string line, kept;
    int motifs = 0;
    while (std::getline(in, line) && !(line.starts_with(">") && ++motifs > count))
        kept += line + "\n";
    return kept;
}

}  // namespace

int main(int argc, char** argv) {
    std::string files = "pfm_vertebrates.txt,pfm_insects.txt";
    int limit = 30, repeats = 2;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const auto value = [&] { return k + 1 < argc ? std::string(argv[++k]) : std::string(); };
        if (a == "--files") files = value();
        else if (a == "--limit") limit = std::atoi(value().c_str());
        else if (a == "--repeats") repeats = std::max(1, std::atoi(value().c_str()));
        else {
            std::cerr << "usage: kelvanor_pdf_bench [--files pfm_vertebrates.txt,pfm_insects.txt] "
                         "[--limit 30 motifs a file] [--repeats 2]\n";
            return 2;
        }
    }
    const fs::path data = bench::jasparCollections();
    const std::string launcher = "/usr/local/bin/prince";
    bool found = fs::exists(launcher);
    for (const std::string& file : split(files)) found = found && fs::exists(data / file);
    if (!found) {
        std::fprintf(stderr, "missing motif data below %s, or no %s (run scripts/setup)\n",
                     data.c_str(), launcher.c_str());
        return 1;
    }

    const fs::path root = fs::temp_directory_path() /
                          ("kelvanor-pdf-bench-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "motifs");
    fs::create_directories(root / "result");
    fs::create_directories(root / "weblogo-3.4");
    {
        // One real logo of a nine-column motif, copied for every logo of the run.
        std::ofstream count(root / "count.txt");
        count << "PO A C G T \n";
        for (int row = 1; row <= 9; ++row)
            count << row << ' ' << (row % 4 == 1 ? "0.7 0.1 0.1 0.1 " : "0.1 0.2 0.6 0.1 ")
                  << "\n";
    }
    const std::string logo = (root / "logo.jpeg").string();
    if (shell(shellWord(std::string(KELVANOR_SOURCE_DIR) + "/tools/weblogo-3.4/weblogo") +
              " --format jpeg --sequence-type dna --units bits --composition none --size medium "
              "--resolution 96 < " + shellWord((root / "count.txt").string()) + " > " +
              shellWord(logo)) != 0) {
        std::fprintf(stderr, "the logo generator failed\n");
        return 1;
    }
    const fs::path generator = root / "weblogo-3.4" / "weblogo";
    std::ofstream(generator) << "#!/bin/sh\ncat > /dev/null\nexec cat " << shellWord(logo) << "\n";
    fs::permissions(generator, fs::perms::owner_all);
    {
        std::ofstream answers(root / "answers.txt");
        answers << split(files).size() << "\n50\n3\n0.75\n8\n" << (root / "motifs").string()
                << "/\n";
        for (const std::string& file : split(files)) {
            std::ofstream(root / "motifs" / file) << firstMotifs(data / file, limit);
            answers << file << "\n4\n";
        }
        answers << "14\nN\nN\nAll\nHTML\n" << (root / "result").string() << "\n";
    }
    if (shell("cd " + shellWord(root.string()) + " && " KELVANOR_BIN
              " < answers.txt > console.txt 2> errors.txt") != 0) {
        std::fprintf(stderr, "the run failed; see %s\n", root.c_str());
        return 1;
    }

    std::printf("%-44s %7s %6s | %10s %11s %6s\n", "document", "HTML MB", "pages",
                "launcher s", "weasyprint s", "ratio");
    double launcherTotal = 0, plainTotal = 0;
    for (const auto& e : fs::directory_iterator(root / "result")) {
        if (e.path().extension() != ".html") continue;
        const std::string html = shellWord(e.path().string());
        const fs::path fitted = root / "fitted.pdf", plain = root / "plain.pdf";
        const std::vector<double> seconds = timedInTurn(
            {launcher + " --input=html --log=" + shellWord((root / "prince.log").string()) + " " +
                 html + " -o " + shellWord(fitted.string()) + " 2>/dev/null",
             "weasyprint -q --presentational-hints " + html + " " + shellWord(plain.string()) +
                 " 2>/dev/null"},
            repeats);
        const double launcherSeconds = seconds[0], plainSeconds = seconds[1];
        launcherTotal += launcherSeconds;
        plainTotal += plainSeconds;
        std::string name = e.path().filename().string();
        name = name.substr(name.find("_", 2 + name.find("_", 2)) + 1);  // less the job identifier
        std::printf("%-44s %7.2f %6d | %10.2f %11.2f %6.2f\n", name.c_str(),
                    static_cast<double>(fs::file_size(e.path())) / 1e6, pages(fitted),
                    launcherSeconds, plainSeconds, launcherSeconds / plainSeconds);
        std::fflush(stdout);
    }
    std::printf("%-44s %7s %6s | %10.2f %11.2f %6.2f\n", "all", "", "", launcherTotal,
                plainTotal, launcherTotal / plainTotal);
    fs::remove_all(root);
    return 0;
}
