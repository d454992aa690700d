// Tree test helpers: the size of a drawn tree image, real motifs for whole runs.
#pragma once

#include <cstdint>
#include <string>

#include "support/support.h"

struct PngSize {
    std::uint32_t width = 0, height = 0;
    bool operator==(const PngSize&) const = default;
};
// Width and height from the header chunk; zero when the file is no PNG.
PngSize pngSize(const fs::path& path);

// The first `count` motifs of a file of the shared collection, written into the
// workspace's motif folder as `name`; false when the collection is missing.
bool writeFirstMotifs(const Workspace& w, const std::string& name, const std::string& relative,
                      int count);
