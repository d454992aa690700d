// Reading input motif files: block recognition, the eight format readers, the input listing.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "state/state.h"

// The tokens of each line of one block, in file order.
using Block = std::vector<std::vector<std::string>>;

// What a format reader takes from its block; the rest of the motif follows from the matrix.
struct ReadMotif {
    std::string motifName;
    Matrix matrix;
};

ReadMotif readTransfacInput(const Block& block);
ReadMotif readJasparInput(const Block& block);
// MEME sections carry no usable name: the motif is named after its own identifier.
ReadMotif readMEMEInput(const Block& block, std::int64_t motifID);
ReadMotif readRawPSSMInput(const Block& block);
ReadMotif readMatrixHInput(const Block& block);
ReadMotif readMatrixVInput(const Block& block);
ReadMotif readConsensusInput(const Block& block);
ReadMotif readSeqAlignInput(const Block& block);

enum class BlockShape { None, Transfac, Jaspar, Consensus, MEME, RawPSSM, SeqAlign, MatrixH, MatrixV };
// Which reader a block goes to (None: the block stays and grows); updates matrixSeen.
BlockShape recognizeBlock(const Block& block, bool& matrixSeen);

// Cuts a file's text into blocks and reads every recognised one, in file order.
// firstMotifID is the identifier the file's first motif will get. unreadLines, when
// given, receives the number of non-blank lines that went into no motif.
std::vector<ReadMotif> readMotifBlocks(std::istream& in, std::int64_t firstMotifID,
                                       std::size_t* unreadLines = nullptr);

// Every input file in list order, then the longest motif name.
void readInput(RunState& s, std::vector<fileNameAndType> files);
void readInputFile(RunState& s, const std::string& fileName, std::int32_t fileIndex);
// The standard-error note on what a file held that gave no motif, or motifs without
// positions; empty when the file was read whole.
std::string unreadNote(const std::string& fileName, std::size_t unreadLines,
                       const std::vector<const data*>& withoutPositions);
// Reverse complement, consensus strings, identity; appends the motif to Datasets.
void completeMotif(RunState& s, ReadMotif motif, std::int32_t fileIndex);

void writeMotifInput(RunState& s);
void printFileNameTypeCount(RunState& s);
