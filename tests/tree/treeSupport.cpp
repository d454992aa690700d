// Tree test helpers.
#include "tree/treeSupport.h"

#include <sstream>

PngSize pngSize(const fs::path& path) {
    const std::string bytes = slurp(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return {};
    const auto be32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(bytes[at + k]);
        return v;
    };
    return {be32(16), be32(20)};
}

bool writeFirstMotifs(const Workspace& w, const std::string& name, const std::string& relative,
                      int count) {
    const std::string source = motifDataPath(relative);
    if (source.empty()) return false;
    std::istringstream in(slurp(source));
    std::string line, kept;
    int motifs = 0;
    while (std::getline(in, line)) {
        if (line.starts_with(">") && ++motifs > count) break;
        kept += line + "\n";
    }
    w.write(name, kept);
    return motifs >= count;
}
