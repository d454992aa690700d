// Job identifier, output folder and the path of every report document.
#include <dirent.h>

#include <cstdlib>
#include <ctime>

#include "driver/driver.h"
#include "model/model.h"

namespace {

// Whether a file in the folder already carries the identifier: two runs started in the
// same second would otherwise draw the same number and overwrite each other's reports.
bool identifierTaken(const std::string& folder, const std::string& id) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return false;
    bool taken = false;
    while (const dirent* entry = readdir(dir)) {
        if (std::string(entry->d_name).compare(0, id.size(), id) == 0) {
            taken = true;
            break;
        }
    }
    closedir(dir);
    return taken;
}

}  // namespace

void makeJobIdentity(RunState& s) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const std::string stamp = getCurrDateTimeFormat();
    const std::string date = stamp.substr(0, stamp.find('_'));
    s.outputPath = outputFolderFor(s.inputPath);
    // Every identifier of the day may be taken: then the last draw stands.
    for (int attempt = 0; attempt < 9000; ++attempt) {
        s.jobID = "J_" + date + "_" + numberToString(std::rand() % 9000 + 1000) + "_";
        if (!identifierTaken(s.outputPath, s.jobID)) break;
    }
    nameDocuments(s);
}
