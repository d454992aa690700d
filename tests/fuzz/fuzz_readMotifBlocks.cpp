// Any bytes as a motif file: reading must neither crash nor hang, and every motif it
// yields must hold well-formed rows with a consensus no longer than the matrix.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "input/input.h"
#include "model/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(bytes), size));
    for (const ReadMotif& m : readMotifBlocks(in, 1)) {
        const Matrix rc = getRevCompMotif(m.matrix);
        if (rc.size() != m.matrix.size()) std::abort();
        if (getConsensusString(m.matrix).size() > m.matrix.size()) std::abort();
        if (getConsensusString(rc).size() > rc.size()) std::abort();
        for (const Row& r : m.matrix)
            for (double v : r)
                if (std::isnan(v)) std::abort();
    }
    return 0;
}
