// Job identifier, output folder and the path of every report document.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <cstdlib>
#include <ctime>

#include "driver/driver.h"
#include "model/model.h"

namespace {

// Whether a file in the folder already carries the identifier.
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
    // Runs started in the same second draw the same numbers. The identifier is claimed at
    // once by creating its input-motif file exclusively, so that no two runs, however they
    // are timed, share it and overwrite each other's reports. Every identifier of the day
    // may be taken: then the last draw stands.
    for (int attempt = 0; attempt < 9000; ++attempt) {
        s.jobID = "J_" + date + "_" + numberToString(std::rand() % 9000 + 1000) + "_";
        if (identifierTaken(s.outputPath, s.jobID)) continue;
        const std::string claim = s.outputPath + s.jobID + "input_motifs.txt";
        const int fd = open(claim.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            close(fd);
            s.jobClaim = claim;
            break;
        }
        // A missing or unwritable folder is reported where the first report is written.
        if (errno != EEXIST) break;
    }
    nameDocuments(s);
}
