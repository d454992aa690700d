// Listing tests: a run state with motifs and report paths in a scratch folder.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "state/state.h"
#include "model/model.h"
#include "support/support.h"

// An input motif as the readers leave it.
inline data inputMotif(std::int64_t id, std::int32_t dataset, std::string name, Matrix matrix) {
    return completedMotif(id, dataset, std::move(name), std::move(matrix));
}

// A state whose report documents all lie in a scratch result/ folder.
struct ListingRun {
    Workspace ws;
    RunState s;
    ListingRun() { placeDocuments(s, ws); }
    void add(data motif) {
        if (motif.motifName.size() > static_cast<std::size_t>(s.motifNameLength))
            s.motifNameLength = static_cast<std::int32_t>(motif.motifName.size());
        s.Datasets.push_back(std::move(motif));
    }
    std::string document(ReportDoc d) const { return slurp(s.documents[d].path); }
    bool exists(ReportDoc d) const { return fs::exists(s.documents[d].path); }
    std::ofstream& stream(ReportDoc d) { return s.documents[d].stream; }
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

// Trailing blanks are part of the reports; '|' marks where a line ends.
inline std::string fixture(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '|' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
