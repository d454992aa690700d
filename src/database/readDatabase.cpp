// The database stage that reads: the chosen file below the working folder into the store.
#include <fstream>

#include "database/databaseMatching.h"
#include "database/databaseReaders.h"
#include "model/model.h"

namespace {

void readDatabaseFile(RunState& s, std::string& path) {
    if (s.DBName == nullptr) return;
    // Without a working folder the catalogue's path would be taken from the root.
    const std::string workingFolder = getCurrentDirectory();
    if (workingFolder.empty()) {
        warn(s, std::string("Error: the working folder cannot be read, so the database file ") +
                    s.DBName->file + " below it cannot be found.");
        fatal(s, Fatal::BadInputPath);
    }
    path = workingFolder + s.DBName->file;
    std::ifstream in;
    if (!openFileForReading(in, path)) {
        warn(s, "Error: the database file " + path + " could not be opened.");
        fatal(s, Fatal::BadInputPath);
    }
    s.DatabaseDatasets = readDatabaseMotifs(in, *s.DBName);
    if (s.DatabaseDatasets.empty())
        warn(s, "Warning: the database file " + path +
                    " holds no motif; nothing is matched against it.");
    const std::string warning = motifsWithoutPositionsWarning(s.DatabaseDatasets);
    if (!warning.empty()) warn(s, warning);
}

}  // namespace

void readJasparDatabase(RunState& s) { readDatabaseFile(s, s.jasparDB); }
void readUniprobeDatabase(RunState& s) { readDatabaseFile(s, s.uniprobeDB); }
void readTransfacDatabase(RunState& s) { readDatabaseFile(s, s.transfacDB); }

void readDatabase(RunState& s) {
    if (s.DBName == nullptr) return;
    switch (s.DBName->layout) {
    case DatabaseLayout::Transfac: readTransfacDatabase(s); break;
    case DatabaseLayout::Jaspar: readJasparDatabase(s); break;
    case DatabaseLayout::Uniprobe: readUniprobeDatabase(s); break;
    }
}

std::string motifsWithoutPositionsWarning(const std::vector<data>& database) {
    std::string names;
    std::size_t count = 0;
    for (const data& m : database) {
        if (!m.matrix.empty()) continue;
        names += (count++ == 0 ? " " : ", ") + std::to_string(m.motifID) + " " + m.motifName;
    }
    if (count == 0) return {};
    return "Warning: " + std::to_string(count) +
           (count == 1 ? " database motif has no positions and takes"
                       : " database motifs have no positions and take") +
           " no part in the matching:" + names;
}
