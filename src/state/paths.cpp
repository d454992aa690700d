// Where a run's files go, derived from the input folder as typed, and how its files are read.
#include <sys/stat.h>

#include "state/state.h"

bool openFileForReading(std::ifstream& in, const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return false;
    in.open(path);
    return in.is_open();
}

std::string besideInputFolder(const std::string& inputPath) {
    const std::size_t keep = inputPath.size() >= 7 ? inputPath.size() - 7 : inputPath.size();
    return inputPath.substr(0, keep);
}

std::string outputFolderFor(const std::string& inputPath) {
    return besideInputFolder(inputPath) + "result/";
}
