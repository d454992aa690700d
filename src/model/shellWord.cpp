// Paths typed by users go into shell command lines as single words, never as shell code.
#include "model/model.h"

std::string shellWord(const std::string& text) {
    auto plain = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '.' || c == '/' || c == '+' || c == ',' || c == ':' ||
               c == '@' || c == '%' || c == '=' || c == '-';
    };
    bool ordinary = !text.empty();
    for (char c : text) ordinary = ordinary && plain(c);
    if (ordinary) return text;
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
