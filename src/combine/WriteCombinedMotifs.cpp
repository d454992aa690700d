// The three combined-motif report writers: one document, one list of chains, one body each.
#include "combine/combinationStage.h"

namespace {

struct CombinedReport {
    ReportDoc document;
    MergeChains RunState::*chains;
    MergeMode mode;
};

void writeCombinedMotifs(RunState& s, const CombinedReport& report) {
    // The document's own stream: the header's left adjustment is still on it.
    std::ofstream& out = openDocument(s, report.document, OpenMode::Append);
    writeCombinedMotifChains(out, s.*report.chains, report.mode);
    out.close();
}

}  // namespace

void WriteCombinedMotifsGlobal(RunState& s) {
    writeCombinedMotifs(s, {ReportDoc::CombinedGlobal, &RunState::mergedMotifGlobalMatching,
                            MergeMode::Global});
}
void WriteCombinedMotifsGlobalAndLocal(RunState& s) {
    writeCombinedMotifs(s, {ReportDoc::CombinedGlobalAndLocal,
                            &RunState::mergedMotifGlobalAndLocalMatching,
                            MergeMode::GlobalAndLocal});
}
void WriteCombinedMotifsBestMatches(RunState& s) {
    writeCombinedMotifs(s, {ReportDoc::CombinedBestMatches, &RunState::mergedMotifBestMatches,
                            MergeMode::BestMatches});
}
