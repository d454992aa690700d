// Listing tests: a run state with motifs and report paths in a scratch folder.
#pragma once

#include <string>

#include "driver/driver.h"
#include "model/model.h"
#include "support/support.h"

// An input motif as the readers leave it: reverse complement and both consensus strings.
inline data inputMotif(std::int64_t id, std::int32_t dataset, std::string name, Matrix matrix) {
    data m;
    m.motifID = id;
    m.motifNumber = id;
    m.datasetNumber = dataset;
    m.motifName = std::move(name);
    m.matrix = std::move(matrix);
    m.revCompMatrix = getRevCompMotif(m.matrix);
    m.consensus = getConsensusString(m.matrix);
    m.revCompConsensus = getConsensusString(m.revCompMatrix);
    return m;
}

// A state whose report documents all lie in a scratch result/ folder.
struct ListingRun {
    Workspace ws;
    RunState s;
    ListingRun() {
        s.outputPath = ws.result().string() + "/";
        s.jobID = "J_2024-05-06_4321_";
        for (int d = 1; d <= kReportDocCount; ++d) {
            const DocumentSlot& slot = documentSlot(static_cast<ReportDoc>(d));
            s.*slot.path = s.outputPath + s.jobID + slot.defaultName;
        }
    }
    void add(data motif) {
        if (motif.motifName.size() > static_cast<std::size_t>(s.motifNameLength))
            s.motifNameLength = static_cast<std::int32_t>(motif.motifName.size());
        s.Datasets.push_back(std::move(motif));
    }
    std::string document(ReportDoc d) const { return slurp(s.*documentSlot(d).path); }
    bool exists(ReportDoc d) const { return fs::exists(s.*documentSlot(d).path); }
    std::ofstream& stream(ReportDoc d) { return s.*documentSlot(d).stream; }
};

inline dataCombinedScore record(std::int32_t motifID1, std::int32_t motifID2, Direction direction,
                                std::int32_t position, std::int32_t overlap, bool matchFlag,
                                Strand format1, Strand format2, double similarityScore) {
    dataCombinedScore r{.motifID1 = motifID1, .motifID2 = motifID2, .position = position};
    r.overlapLength = overlap;
    r.direction = direction;
    r.matchFlag = matchFlag;
    r.matchFormat1 = format1;
    r.matchFormat2 = format2;
    r.similarityScore = similarityScore;
    return r;
}
