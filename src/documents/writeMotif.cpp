// Logo images of every motif of a store, by the logo generator beside the output folder.
// Two JPEGs per motif: the motif and its reverse complement.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <span>

#include "documents/documents.h"
#include "model/model.h"
#include "state/outsideProgram.h"

namespace {

constexpr const char* kOptionsBeforeStrand[] = {
    "--format", "jpeg", "--sequence-type", "dna", "--units", "bits", "--composition", "none",
    "--first-index", "1"};
constexpr const char* kOptionsAfterStrand[] = {
    "--size", "medium", "--stacks-per-line", "80", "--show-xaxis", "YES", "--show-yaxis", "YES",
    "--ticmarks", "1.0", "--errorbars", "NO", "--stack-width", "20", "--resolution", "96",
    "--scale-width", "yes", "--color-scheme", "classic",
    "--color", "green", "A", "Adenine", "--color", "blue", "C", "Cytosine",
    "--color", "orange", "G", "Guanine", "--color", "red", "T", "Thymine"};

// Input motifs and database motifs are numbered alike; the prefix keeps their images
// apart and the noun tells a reader which store a warning means.
struct LogoStore {
    const char* prefix;
    const char* noun;
};
constexpr LogoStore kInputMotifs{"M", "motif"};
constexpr LogoStore kDatabaseMotifs{"D", "database motif"};

// The generator runs as many at once as the run has threads; what it made and the
// warnings come out as if the logos were drawn one after another.
void drawLogos(RunState& s, const LogoStore& store, std::span<const data> motifs) {
    const std::string folder = s.outputPath + s.jobID + "image";
    mkdir(folder.c_str(), 0777);  // made by the first logo of the run; a failure shows below
    OutsideStage stage;
    std::vector<OutsideCall> calls;
    for (const data& motif : motifs) {
        if (motif.matrix.empty()) {
            // The generator would draw an empty logo, which reads as a motif.
            warn(s, std::string("Warning: ") + store.noun + " " + std::to_string(motif.motifID) +
                        " (" + motif.motifName + ") has no positions; no logo is drawn for it.");
            continue;
        }
        const std::string stem =
            folder + "/" + s.jobID + store.prefix + std::to_string(motif.motifID);
        const std::string countPath = stem + ".txt";
        stage.scratch(countPath);
        {
            std::ofstream count(countPath, std::ios::out | std::ios::trunc);
            if (!count.is_open()) fatal(s, Fatal::BadOutputPath);
            writeCountFile(count, motif.matrix);
        }
        calls.push_back(logoCall(s.inputPath, countPath, stem + ".jpeg", LogoStrand::Motif));
        calls.push_back(
            logoCall(s.inputPath, countPath, stem + "RevComp.jpeg", LogoStrand::ReverseComplement));
    }
    const std::vector<OutsideOutcome> outcomes = stage.run(calls, teamSize(s));
    bool missingTold = false;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (outcomes[k] == OutsideOutcome::NotStarted) {
            if (!missingTold)
                warn(s, "Warning: the logo generator " + calls[k].arguments.front() +
                            " could not be started; no logo images are made.");
            missingTold = true;
        } else if (outcomes[k] == OutsideOutcome::Failed) {
            warn(s, "Warning: the logo generator made no image " + calls[k].product);
        }
    }
}

}  // namespace

void writeCountFile(std::ostream& out, const Matrix& matrix) {
    out << "PO A C G T " << std::endl;
    for (std::size_t row = 0; row < matrix.size(); ++row) {
        out << row + 1 << ' ';
        for (double value : matrix[row]) out << value << ' ';
        out << std::endl;
    }
}

OutsideCall logoCall(const std::string& inputPath, const std::string& countPath,
                     const std::string& imagePath, LogoStrand strand) {
    OutsideCall call;
    call.arguments.push_back(besideInputFolder(inputPath) + "weblogo-3.4/weblogo");
    for (const char* o : kOptionsBeforeStrand) call.arguments.emplace_back(o);
    if (strand == LogoStrand::ReverseComplement) call.arguments.emplace_back("--revcomp");
    for (const char* o : kOptionsAfterStrand) call.arguments.emplace_back(o);
    call.input = countPath;
    call.output = imagePath;
    call.product = imagePath;
    return call;
}

void writeMotif(RunState& s) { drawLogos(s, kInputMotifs, s.Datasets); }
void writeDatabaseMotif(RunState& s) { drawLogos(s, kDatabaseMotifs, s.DatabaseDatasets); }
void writeMotifImage(RunState& s, Matrix matrix, std::int64_t motifID) {
    data motif;
    motif.motifID = motifID;
    motif.matrix = std::move(matrix);
    drawLogos(s, kInputMotifs, std::span<const data>(&motif, 1));
}
void writeDatabaseMotifImage(RunState& s, Matrix matrix, std::int64_t motifID) {
    data motif;
    motif.motifID = motifID;
    motif.matrix = std::move(matrix);
    drawLogos(s, kDatabaseMotifs, std::span<const data>(&motif, 1));
}
