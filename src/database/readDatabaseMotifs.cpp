// Cutting a database file into blocks of lines and reading each block as one motif.
#include "database/databaseReaders.h"
#include "model/model.h"

std::vector<DatabaseBlock> splitDatabaseBlocks(std::istream& in) {
    std::vector<DatabaseBlock> blocks;
    DatabaseBlock pending;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> tokens = lineTokens(line);
        if (!tokens.empty()) {
            pending.push_back(std::move(tokens));
        } else if (!pending.empty()) {
            blocks.push_back(std::move(pending));
            pending.clear();
        }
    }
    // A file need not end with a line end; its last motif is still a motif.
    if (!pending.empty()) blocks.push_back(std::move(pending));
    return blocks;
}

std::vector<data> readDatabaseMotifs(std::istream& in, const DatabaseEntry& database) {
    const std::vector<DatabaseBlock> blocks = splitDatabaseBlocks(in);
    std::vector<data> motifs;
    motifs.reserve(blocks.size());
    for (const DatabaseBlock& block : blocks)
        motifs.push_back(
            readDatabaseBlock(block, static_cast<std::int64_t>(motifs.size()) + 1, database));
    return motifs;
}
