// Answer and token validators shared by the dialogue and the input readers.
#include <sys/stat.h>

#include <climits>

#include "model/model.h"

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool checkNumeric(const std::string& text) {
    for (char c : text)
        if (!isDigit(c) && c != '.') return false;
    return true;
}

bool checkDouble(const std::string& text) {
    int dots = 0;
    for (char c : text) {
        if (c == '.') ++dots;
        else if (!isDigit(c)) return false;
    }
    return dots == 1;
}

bool checkNumThreads(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!isDigit(c)) return false;
    int value = 0;
    return wholeNumberValue(text, value) && value >= 1;
}

bool checkSpace(const std::string& text) { return text.find(' ') == std::string::npos; }

bool checkNucleotide(const std::string& text) {
    return text.find_first_not_of("ACGT-") == std::string::npos;
}

bool checkIUPAC(const std::string& text) {
    return text.find_first_not_of("ABCDGHKMNRSTVWY-") == std::string::npos;
}

bool checkNumericOrSpace(const std::string& text) {
    return !text.empty() && (isDigit(text[0]) || text[0] == ' ');
}

bool isValidPath(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFDIR) != 0;
}

bool wholeNumberValue(const std::string& text, int& value) {
    long long v = 0;
    for (char c : text) {
        if (!isDigit(c)) break;
        v = v * 10 + (c - '0');
        if (v > INT_MAX) return false;
    }
    value = static_cast<int>(v);
    return true;
}
