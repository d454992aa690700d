// Reading a reference database file into database motifs: blocks, counts, one motif per block.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "state/databaseCatalogue.h"

// The tokens of each line of one block, in file order; tokens are never empty.
using DatabaseBlock = std::vector<std::vector<std::string>>;

// Cuts a database file into runs of non-blank lines (blank: only blanks, tabs and line-end
// characters). A last block without a final line end is kept.
std::vector<DatabaseBlock> splitDatabaseBlocks(std::istream& in);

// One block as motif number blockNumber of the database: all ten fields filled. Missing
// texts are empty; unreadable counts give a motif without positions.
data readDatabaseBlock(const DatabaseBlock& block, std::int64_t blockNumber,
                       const DatabaseEntry& database);

// Every block of the file as one motif, numbered 1, 2, 3 … in file order.
std::vector<data> readDatabaseMotifs(std::istream& in, const DatabaseEntry& database);

// A count token read whole: an optional sign, digits with at most one point, an optional
// exponent. Anything else is no number. Plain decimals give exactly what atof gives.
std::optional<double> countValue(std::string_view token);
