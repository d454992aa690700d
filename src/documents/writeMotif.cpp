// Logo images of every motif of a store, by the logo generator beside the output folder.
// Two JPEGs per motif: the motif and its reverse complement.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "documents/documents.h"
#include "model/model.h"

namespace {

constexpr const char* kOptionsBeforeStrand =
    " --format jpeg --sequence-type dna --units bits --composition none --first-index 1 ";
constexpr const char* kOptionsAfterStrand =
    "--size medium --stacks-per-line 80 --show-xaxis YES --show-yaxis YES --ticmarks 1.0 "
    "--errorbars NO --stack-width 20 --resolution 96 --scale-width yes --color-scheme classic "
    "--color green A 'Adenine' --color blue C 'Cytosine' --color orange G 'Guanine' "
    "--color red T 'Thymine' < ";

bool nonEmptyFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

void drawLogo(RunState& s, const std::string& countPath, const std::string& imagePath,
              LogoStrand strand) {
    s.console->flush();
    s.warnings->flush();
    const int status = std::system(logoCommand(s.inputPath, countPath, imagePath, strand).c_str());
    if (status != 0 || !nonEmptyFile(imagePath))
        *s.warnings << "Warning: the logo generator made no image " << imagePath << std::endl;
}

// prefix: "M" for input motifs, "D" for database motifs, which are numbered alike.
void writeImage(RunState& s, const char* prefix, const Matrix& matrix, std::int64_t motifID) {
    const std::string folder = s.outputPath + s.jobID + "image";
    const std::string stem = folder + "/" + s.jobID + prefix + std::to_string(motifID);
    const std::string countPath = stem + ".txt";
    mkdir(folder.c_str(), 0777);  // made by the first logo of the run; a failure shows below
    {
        std::ofstream count(countPath, std::ios::out | std::ios::trunc);
        if (!count.is_open()) fatal(s, Fatal::BadOutputPath);
        writeCountFile(count, matrix);
    }
    drawLogo(s, countPath, stem + ".jpeg", LogoStrand::Motif);
    drawLogo(s, countPath, stem + "RevComp.jpeg", LogoStrand::ReverseComplement);
    std::remove(countPath.c_str());
}

void walkStore(RunState& s, const std::vector<data>& store,
               void (*imageWriter)(RunState&, Matrix, std::int64_t)) {
    for (std::size_t i = 0; i < store.size(); ++i)
        imageWriter(s, store[i].matrix, store[i].motifID);
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

std::string logoCommand(const std::string& inputPath, const std::string& countPath,
                        const std::string& imagePath, LogoStrand strand) {
    const std::string generator = besideInputFolder(inputPath) + "weblogo-3.4/weblogo";
    return shellWord(generator) + kOptionsBeforeStrand +
           (strand == LogoStrand::ReverseComplement ? "--revcomp " : "") + kOptionsAfterStrand +
           shellWord(countPath) + " > " + shellWord(imagePath);
}

void writeMotif(RunState& s) { walkStore(s, s.Datasets, writeMotifImage); }
void writeDatabaseMotif(RunState& s) { walkStore(s, s.DatabaseDatasets, writeDatabaseMotifImage); }
void writeMotifImage(RunState& s, Matrix matrix, std::int64_t motifID) {
    writeImage(s, "M", matrix, motifID);
}
void writeDatabaseMotifImage(RunState& s, Matrix matrix, std::int64_t motifID) {
    writeImage(s, "D", matrix, motifID);
}
