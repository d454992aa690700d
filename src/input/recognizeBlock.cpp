// Decides from a block's shape alone which format reader it goes to.
#include "input/input.h"
#include "model/model.h"

namespace {

// Walks the tokens of lines [from, block end) up to the first one that is not decimal;
// the lines pass when that token (if any) is at least numeric.
bool numericScan(const Block& block, std::size_t from) {
    for (std::size_t k = from; k < block.size(); ++k)
        for (const std::string& token : block[k])
            if (!checkDouble(token)) return checkNumeric(token);
    return true;
}

bool everyLineHas(const Block& block, std::size_t from, std::size_t tokens) {
    for (std::size_t k = from; k < block.size(); ++k)
        if (block[k].size() != tokens) return false;
    return true;
}

BlockShape memeTest(const Block& block) {
    if (block.size() >= 5 && everyLineHas(block, 4, 4) && numericScan(block, 4))
        return BlockShape::MEME;
    return BlockShape::None;
}

BlockShape alignmentTest(const Block& block, bool& matrixSeen) {
    if (!everyLineHas(block, 2, 1)) {
        matrixSeen = false;
        return BlockShape::None;
    }
    const std::size_t width = block[1][0].size();
    for (std::size_t k = 1; k < block.size(); ++k) {
        const std::string& sequence = block[k][0];
        if ((k >= 2 && sequence.size() != width) || !checkNucleotide(sequence)) {
            matrixSeen = true;
            return BlockShape::None;
        }
    }
    matrixSeen = false;
    return BlockShape::SeqAlign;
}

BlockShape oneTokenHeader(const Block& block, bool& matrixSeen) {
    const std::size_t n = block.size();
    if (n == 2) {
        if (block[1].size() == 1 && checkIUPAC(block[1][0])) return BlockShape::Consensus;
        return BlockShape::None;
    }
    if (n >= 4 && block[2].size() == 1 && block[3][0] == "letter-probability")
        return memeTest(block);
    if (n == 1) {
        if (matrixSeen) return BlockShape::None;
        return BlockShape::RawPSSM;
    }
    if (block[1].size() == 1) return alignmentTest(block, matrixSeen);
    matrixSeen = false;
    return everyLineHas(block, 1, 4) ? BlockShape::RawPSSM : BlockShape::None;
}

BlockShape numericBlock(const Block& block, bool& matrixSeen) {
    if (!numericScan(block, 0)) return BlockShape::None;
    if (block.size() != 4) return BlockShape::MatrixV;
    const std::size_t t1 = block[0].size();
    if (block[1].size() == t1 && block[2].size() == t1 && block[3].size() == t1) {
        matrixSeen = true;
        return BlockShape::MatrixH;
    }
    matrixSeen = false;
    return BlockShape::None;
}

}  // namespace

BlockShape recognizeBlock(const Block& block, bool& matrixSeen) {
    const std::size_t n = block.size();
    if (n == 0) return BlockShape::None;
    const std::size_t t1 = block[0].size();
    if (t1 == 2 && n >= 6) return BlockShape::Transfac;
    if ((t1 == 1 || t1 == 2) && n == 5 && block[1][0] == "A" && block[2][0] == "C" &&
        block[3][0] == "G" && block[4][0] == "T")
        return BlockShape::Jaspar;
    if (t1 == 1) return oneTokenHeader(block, matrixSeen);
    return numericBlock(block, matrixSeen);
}
