// Cuts one file's text into blocks of lines and reads every block whose shape it knows.
#include "input/input.h"
#include "model/model.h"

namespace {

// At most this many lines join a block between two evaluations; the line that arrives
// when the limit is reached only triggers the evaluation and is lost.
constexpr int kBlockLineLimit = 31;

ReadMotif readBlock(BlockShape shape, const Block& block, std::int64_t motifID) {
    switch (shape) {
    case BlockShape::Transfac: return readTransfacInput(block);
    case BlockShape::Jaspar: return readJasparInput(block);
    case BlockShape::MEME: return readMEMEInput(block, motifID);
    case BlockShape::RawPSSM: return readRawPSSMInput(block);
    case BlockShape::MatrixH: return readMatrixHInput(block);
    case BlockShape::MatrixV: return readMatrixVInput(block);
    case BlockShape::Consensus: return readConsensusInput(block);
    case BlockShape::SeqAlign: return readSeqAlignInput(block);
    case BlockShape::None: break;
    }
    return {};
}

}  // namespace

std::vector<ReadMotif> readMotifBlocks(std::istream& in, std::int64_t firstMotifID,
                                       std::size_t* unreadLines) {
    std::vector<ReadMotif> motifs;
    std::size_t lost = 0;
    Block block;
    int linesSinceCheck = 0;
    bool matrixSeen = false;

    auto evaluate = [&] {
        linesSinceCheck = 0;
        const BlockShape shape = recognizeBlock(block, matrixSeen);
        if (shape == BlockShape::None) return;  // the block stays and grows
        motifs.push_back(
            readBlock(shape, block, firstMotifID + static_cast<std::int64_t>(motifs.size())));
        block.clear();
    };

    for (std::string line; std::getline(in, line);) {
        removeSpaces(line);
        std::vector<std::string> tokens = lineTokens(line);
        if (tokens.empty()) {
            evaluate();
        } else if (linesSinceCheck == kBlockLineLimit) {
            evaluate();
            ++lost;
        } else {
            block.push_back(std::move(tokens));
            ++linesSinceCheck;
        }
    }
    if (linesSinceCheck > 0) evaluate();
    // Whatever is still waiting fits no layout.
    if (unreadLines != nullptr) *unreadLines = lost + block.size();
    return motifs;
}

