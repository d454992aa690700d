// Reads every input file and completes each motif it holds.
#include <fstream>

#include "state/state.h"
#include "input/input.h"
#include "model/model.h"

void completeMotif(RunState& s, ReadMotif motif, std::int32_t fileIndex) {
    data m;
    m.motifID = s.matrixIDNum;
    m.motifName = std::move(motif.motifName);
    m.datasetNumber = s.dNum;
    m.motifNumber = s.mNum;
    m.matrix = std::move(motif.matrix);
    m.revCompMatrix = getRevCompMotif(m.matrix);
    m.consensus = getConsensusString(m.matrix);
    m.revCompConsensus = getConsensusString(m.revCompMatrix);
    s.FileNameType[fileIndex].motifCount = static_cast<std::int32_t>(s.mNum);
    s.Datasets.push_back(std::move(m));
    ++s.mNum;
    ++s.matrixIDNum;
}

void readInputFile(RunState& s, const std::string& fileName, std::int32_t fileIndex) {
    const std::string path = s.inputPath + fileName;
    // An empty name would name the folder itself.
    std::ifstream file;
    if (fileName.empty() || !openFileForReading(file, path)) fatal(s, Fatal::BadInputPath);
    std::size_t unread = 0;
    const std::size_t first = s.Datasets.size();
    for (ReadMotif& motif : readMotifBlocks(file, s.matrixIDNum, &unread))
        completeMotif(s, std::move(motif), fileIndex);
    std::vector<const data*> withoutPositions;
    for (std::size_t k = first; k < s.Datasets.size(); ++k)
        if (s.Datasets[k].matrix.empty()) withoutPositions.push_back(&s.Datasets[k]);
    const std::string note = unreadNote(fileName, unread, withoutPositions);
    if (!note.empty()) warn(s, note);
    ++s.dNum;
    s.mNum = 1;
}

std::string unreadNote(const std::string& fileName, std::size_t unreadLines,
                       const std::vector<const data*>& withoutPositions) {
    std::string note;
    if (unreadLines > 0)
        note = std::to_string(unreadLines) + (unreadLines == 1 ? " line fits" : " lines fit") +
               " no motif layout and " + (unreadLines == 1 ? "was" : "were") + " not read";
    if (!withoutPositions.empty()) {
        if (!note.empty()) note += "; ";
        note += withoutPositions.size() == 1 ? "a motif came out without positions:"
                                             : "motifs came out without positions:";
        for (std::size_t k = 0; k < withoutPositions.size(); ++k)
            note += (k == 0 ? " " : ", ") + std::to_string(withoutPositions[k]->motifID) + " (" +
                    withoutPositions[k]->motifName + ")";
    }
    return note.empty() ? note : "Warning: " + fileName + ": " + note + ".";
}

void readInput(RunState& s, std::vector<fileNameAndType> files) {
    for (std::size_t i = 0; i < files.size(); ++i)
        readInputFile(s, files[i].fileName, static_cast<std::int32_t>(i));
    for (const data& m : s.Datasets)
        if (m.motifName.size() > static_cast<std::size_t>(s.motifNameLength))
            s.motifNameLength = static_cast<std::int32_t>(m.motifName.size());
}
