// Motif combination: each reported group merged into one chain, and the combined-motif
// report bodies that list the chains.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

#include "merge/merge.h"

// One group's finished chain: the merge of its first entry ("Y") followed by its merge
// chain, or every entry as not merged ("N") when that first merge fails its check.
// Empty for an empty group. Reads only the group, the input motif store, the cutoff and
// the team size.
std::vector<combinedMatrices> combinedMatrixGlobalMatching(const bestMatchList& group,
                                                           const std::vector<data>& motifs,
                                                           double simCutoff, int threads);
std::vector<combinedMatrices> combinedMatrixGlobalAndLocalMatching(const bestMatchList& group,
                                                                   const std::vector<data>& motifs,
                                                                   double simCutoff, int threads);
std::vector<combinedMatrices> combinedMatrixBestMatches(const bestMatchList& group,
                                                        const std::vector<data>& motifs,
                                                        double simCutoff, int threads);

using MergeChains = std::vector<std::vector<combinedMatrices>>;

// What tells the three combined-motif reports apart: the banner over each merged chain.
struct CombinedReportLook {
    int starsBefore = 0;
    std::string_view textBefore;  // before the chain's motif identifier
    std::string_view textAfter;
    int starsAfter = 0;
};
const CombinedReportLook& combinedReportLook(MergeMode mode);

// The body of a combined-motif report: every merged chain as a banner and a table of its
// steps, an empty line for each chain without a merge. Columns are as wide as the widest
// name and the longest matrix of any record of any chain. Sets left adjustment on the
// stream and leaves it so; touches no number format, so the output is the same on a
// fresh stream and on one a matrix listing left in fixed notation.
void writeCombinedMotifChains(std::ostream& out, const MergeChains& chains, MergeMode mode);
void writeCombinedChainsGlobal(std::ostream& out, const MergeChains& chains);
void writeCombinedChainsGlobalAndLocal(std::ostream& out, const MergeChains& chains);
void writeCombinedChainsBestMatches(std::ostream& out, const MergeChains& chains);
