// Text read from files and typed paths, made safe to show on a terminal.
#include <cstdio>

#include "model/model.h"

namespace {

// Bytes of the well-formed UTF-8 character that starts at `at`, for characters a terminal
// shows as text; 0 for a control character, a C1 control (which some terminals obey) or
// a byte that starts no well-formed character.
std::size_t printableCharacter(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7f) return 1;
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) length = 2, code = lead & 0x1f;
    else if (lead >= 0xe0 && lead <= 0xef) length = 3, code = lead & 0x0f;
    else if (lead >= 0xf0 && lead <= 0xf4) length = 4, code = lead & 0x07;
    else return 0;
    if (at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xc0) != 0x80) return 0;
        code = (code << 6) | (byte(k) & 0x3f);
    }
    // Overlong forms, surrogates and code points past Unicode's end are not characters.
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kShortest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return code >= 0x80 && code <= 0x9f ? 0 : length;
}

}  // namespace

std::string terminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = printableCharacter(text, at)) {
            out.append(text, at, length);
            at += length;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[at]));
        out += escaped;
        ++at;
    }
    return out;
}
