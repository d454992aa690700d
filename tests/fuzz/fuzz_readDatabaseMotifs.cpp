// Any bytes as a reference database file, in each layout: reading must neither crash nor
// hang, number the motifs by block, and give rows of four probabilities without NaN.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "database/databaseReaders.h"
#include "model/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    for (const char* key : {"jasparAll", "jasparFungi", "transfac", "uniprobeWorm"}) {
        std::istringstream in(text);
        const std::vector<data> motifs = readDatabaseMotifs(in, *findDatabase(key));
        for (std::size_t k = 0; k < motifs.size(); ++k) {
            const data& m = motifs[k];
            if (m.motifID != static_cast<std::int64_t>(k + 1) || m.motifNumber != m.motifID)
                std::abort();
            if (m.revCompMatrix.size() != m.matrix.size()) std::abort();
            if (m.consensus.size() > m.matrix.size()) std::abort();
            for (const Row& r : m.matrix) {
                double sum = 0;
                for (double v : r) {
                    if (std::isnan(v) || v < 0) std::abort();
                    sum += v;
                }
                if (std::fabs(sum - 1.0) > 1e-9) std::abort();
            }
        }
    }
    return 0;
}
