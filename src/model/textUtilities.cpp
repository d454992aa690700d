// Small text helpers shared by the driver, the readers and the report writers.
#include <unistd.h>

#include <climits>
#include <ctime>
#include <sstream>

#include "model/model.h"

std::string numberToString(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

void removeSpaces(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::size_t lead = 0;
    while (lead < text.size() && text[lead] == ' ') ++lead;
    text.erase(0, lead);
    // A deletion moves the pair on past the blank that slid into place, so runs are
    // halved rather than collapsed; files written by earlier runs rely on this.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == ' ' && text[i + 1] == ' ') text.erase(i, 1);
}

std::vector<std::string> lineTokens(const std::string& line) {
    const auto separator = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t end = line.size();
    while (end > 0 && (separator(line[end - 1]) || line[end - 1] == '\r' || line[end - 1] == '\n'))
        --end;
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < end;) {
        while (i < end && separator(line[i])) ++i;
        std::size_t j = i;
        while (j < end && !separator(line[j])) ++j;
        if (j > i) tokens.push_back(line.substr(i, j - i));
        i = j;
    }
    return tokens;
}

std::string removeSpecialCharacters(std::string text) {
    std::string kept;
    kept.reserve(text.size());
    for (char ch : text)
        if ((ch >= '0' && ch <= '9') || ch == ' ' || ch == '.') kept += ch;
    return kept;
}

namespace {
std::string formatNow(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[100];
    std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}
}  // namespace

std::string getCurrDateTime() { return formatNow("%m-%d-%Y %X"); }
std::string getCurrDateTimeFormat() { return formatNow("%Y-%m-%d_%H-%M-%S"); }

std::string getCurrentDirectory() {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) == nullptr) return {};
    return buffer;
}

int countToken(const char* text) {
    int count = 0;
    bool inToken = false;
    for (const char* p = text; *p; ++p) {
        const bool space = *p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' ||
                           *p == '\f' || *p == '\r';
        if (!space && !inToken) ++count;
        inToken = !space;
    }
    return count;
}
