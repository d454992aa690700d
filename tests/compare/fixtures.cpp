// Small motifs and real motif sets for the comparison tests.
#include "compare/fixtures.h"

#include <filesystem>
#include <fstream>

#include "input/input.h"
#include "model/model.h"
#include "support/support.h"

data countMotif(std::int64_t id, std::int32_t dataset, const std::vector<Row>& counts,
                const std::string& name) {
    Matrix m;
    for (const Row& r : counts) m.push_back(normalizeRow(r[0], r[1], r[2], r[3]));
    return completedMotif(id, dataset, name.empty() ? std::string("M").append(std::to_string(id)) : name,
                          std::move(m));
}

bool loadMotifFiles(RunState& s, const std::vector<std::string>& relativePaths,
                    std::size_t limit) {
    for (const std::string& relative : relativePaths) {
        const std::string path = motifDataPath(relative);
        if (path.empty()) return false;
        const auto index = static_cast<std::int32_t>(s.FileNameType.size());
        s.FileNameType.push_back({fs::path(path).filename().string(), 4, 0, index + 1});
        std::ifstream in(path);
        std::vector<ReadMotif> motifs = readMotifBlocks(in, s.matrixIDNum);
        if (limit > 0 && motifs.size() > limit) motifs.resize(limit);
        for (ReadMotif& m : motifs) completeMotif(s, std::move(m), index);
        ++s.dNum;
        s.mNum = 1;
    }
    s.numFile = static_cast<std::int32_t>(relativePaths.size());
    return true;
}

RunState stateWith(std::vector<data> motifs, double cutoff, int threads) {
    RunState s;
    s.Datasets = std::move(motifs);
    s.simCutoff = cutoff;
    s.numThread = threads;
    std::int32_t files = 0;
    for (const data& m : s.Datasets) files = std::max(files, m.datasetNumber);
    s.numFile = files;
    s.numTopMotif = 5;
    s.numBestMatches = 3;
    s.motifCluster = false;
    s.combinedMotifFlag = false;
    s.outputFileType = OutputType::GlobalOnly;
    s.outputFileFormat = OutputFormat::Text;
    return s;
}
