// The body of the three combined-motif reports: one banner and step table per merged chain.
#include <algorithm>
#include <array>
#include <iomanip>
#include <string>

#include "combine/combine.h"
#include "model/model.h"

namespace {

constexpr std::size_t kRuleLength = 196;
// Narrower names and matrices still get this much room, plus the gap.
constexpr std::size_t kNarrowestColumn = 14;
constexpr std::size_t kColumnGap = 5;
constexpr std::size_t kFormatColumn = 23;

// By MergeMode.
constexpr CombinedReportLook kLooks[] = {
    {60, " Combined Motifs for Top Global Significant Motif ID ", " and Its Best Matches ", 59},
    {55, " Combined Motifs for Top Global and Local Significant Motif ID ",
     " and Its Best Matches ", 54},
    {63, " Combined Motifs for Top Best Match Motif ID ", " and Its Best Matches ", 62},
};

constexpr std::array<const char*, 7> kHeadings{"1st motif name", "2nd motif name", "1st format",
                                               "2nd format",     "1st motif",      "2nd motif",
                                               "Combined motif"};

bool merged(const combinedMatrices& r) { return r.mergedFlag == "Y"; }

// Every record of every chain counts, printed or not, so the tables of one report line up.
std::array<std::size_t, 7> columnWidths(const MergeChains& chains) {
    std::size_t name1 = 0, name2 = 0, rows1 = 0, rows2 = 0, rowsMerged = 0;
    for (const auto& chain : chains)
        for (const combinedMatrices& r : chain) {
            name1 = std::max(name1, r.motifName1.size());
            name2 = std::max(name2, r.motifName2.size());
            rows1 = std::max(rows1, r.matrix1.size());
            rows2 = std::max(rows2, r.matrix2.size());
            rowsMerged = std::max(rowsMerged, r.combinedMatrix.size());
        }
    const auto width = [](std::size_t longest) {
        return std::max(longest, kNarrowestColumn) + kColumnGap;
    };
    return {width(name1), width(name2), kFormatColumn, kFormatColumn,
            width(rows1), width(rows2), width(rowsMerged)};
}

template <typename Cells>
void writeRow(std::ostream& out, const std::array<std::size_t, 7>& widths, const Cells& cells) {
    for (std::size_t c = 0; c < widths.size(); ++c)
        out << std::setw(static_cast<int>(widths[c])) << cells[c];
    out << std::endl;
}

void writeChain(std::ostream& out, const std::vector<combinedMatrices>& chain,
                const CombinedReportLook& look, const std::array<std::size_t, 7>& widths) {
    const std::string rule(kRuleLength, '-');
    out << std::string(static_cast<std::size_t>(look.starsBefore), '*') << look.textBefore
        << chain.front().motifID1 << look.textAfter
        << std::string(static_cast<std::size_t>(look.starsAfter), '*') << std::endl;
    out << std::endl;
    out << rule << std::endl;
    writeRow(out, widths, kHeadings);
    out << rule << std::endl;
    for (const combinedMatrices& r : chain) {
        if (merged(r)) {
            const std::array<std::string, 7> cells{r.motifName1,
                                                   r.motifName2,
                                                   r.matchFormat1,
                                                   r.matchFormat2,
                                                   getConsensusString(r.matrix1),
                                                   getConsensusString(r.matrix2),
                                                   getConsensusString(r.combinedMatrix)};
            writeRow(out, widths, cells);
        }
        out << std::endl;
        out << "Direction: " << r.direction << "\t\tPosition #: " << r.position
            << "\t\tOverlap #: " << r.overlapLength << std::endl;
        out << "Alignment:" << std::endl;
        out << r.alignmentLine1 << std::endl;
        out << r.alignmentLine2 << std::endl;
        out << rule << std::endl;
    }
}

}  // namespace

const CombinedReportLook& combinedReportLook(MergeMode mode) {
    return kLooks[static_cast<std::size_t>(mode)];
}

void writeCombinedMotifChains(std::ostream& out, const MergeChains& chains, MergeMode mode) {
    const std::array<std::size_t, 7> widths = columnWidths(chains);
    out << std::left;
    for (const auto& chain : chains) {
        if (std::any_of(chain.begin(), chain.end(), merged))
            writeChain(out, chain, combinedReportLook(mode), widths);
        out << std::endl;
    }
}

void writeCombinedChainsGlobal(std::ostream& out, const MergeChains& chains) {
    writeCombinedMotifChains(out, chains, MergeMode::Global);
}
void writeCombinedChainsGlobalAndLocal(std::ostream& out, const MergeChains& chains) {
    writeCombinedMotifChains(out, chains, MergeMode::GlobalAndLocal);
}
void writeCombinedChainsBestMatches(std::ostream& out, const MergeChains& chains) {
    writeCombinedMotifChains(out, chains, MergeMode::BestMatches);
}
