// Text from files and answers written into HTML: markup characters must stay text.
#include "model/model.h"

std::string htmlEscaped(const std::string& text, bool attribute) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\'':
            if (attribute) out += "&#39;";
            else out += c;
            break;
        default: out += c;
        }
    }
    return out;
}
