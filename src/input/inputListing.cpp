// What was read: the input-motif file and the table of input files on the console.
#include <fstream>
#include <iomanip>

#include "input/input.h"

namespace {

std::size_t nameColumnWidth(const std::vector<fileNameAndType>& files) {
    std::size_t longest = 0;
    for (const auto& f : files) longest = std::max(longest, f.fileName.size());
    return longest + 10;
}

template <typename A, typename B, typename C>
void tableRow(std::ostream& out, std::size_t width, const A& name, const B& count,
              const C& dataset) {
    out << std::left << std::setw(static_cast<int>(width)) << name << std::setw(20) << count
        << std::setw(15) << dataset << std::right << '\n';
}

}  // namespace

void writeMotifInput(RunState& s) {
    // Losing this file is not worth stopping the run for.
    std::ofstream out(s.outputPath + s.jobID + "input_motifs.txt", std::ios::trunc);
    if (!out.is_open()) return;
    const std::size_t width = nameColumnWidth(s.FileNameType);
    out << "KELVANOR - Vorlantic\n"
        << "Version 2.1\n\n"
        << "Total number of motifs: " << s.Datasets.size() << "\n\n"
        << "Input files and motif counts\n";
    tableRow(out, width, "File name", "Count of motifs", "Dataset #");
    for (const auto& f : s.FileNameType) tableRow(out, width, f.fileName, f.motifCount, f.datasetNumber);
    out << "\nInput Motifs\n\n";
    for (const data& m : s.Datasets) {
        out << "Dataset #: " << m.datasetNumber << "\tMotif ID: " << m.motifID
            << "\tMotif name: " << m.motifName << "\n\n";
        out << std::fixed << std::setprecision(6);
        for (const Row& row : m.matrix) {
            for (double v : row) out << v << '\t';
            out << '\n';
        }
        out.unsetf(std::ios::floatfield);
        out << "\n\n";
    }
}

void printFileNameTypeCount(RunState& s) {
    std::ostream& out = *s.console;
    const std::size_t width = nameColumnWidth(s.FileNameType);
    out << std::endl << "Your input files, types, and counts are:" << std::endl << std::endl;
    tableRow(out, width, "File Name", "Count of Motifs", "Dataset #");
    for (const auto& f : s.FileNameType) tableRow(out, width, f.fileName, f.motifCount, f.datasetNumber);
    out << std::endl;
}
