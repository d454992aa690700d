// Where a run's files go, derived from the input folder as typed.
#include "state/state.h"

std::string besideInputFolder(const std::string& inputPath) {
    const std::size_t keep = inputPath.size() >= 7 ? inputPath.size() - 7 : inputPath.size();
    return inputPath.substr(0, keep);
}

std::string outputFolderFor(const std::string& inputPath) {
    return besideInputFolder(inputPath) + "result/";
}
