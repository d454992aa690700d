// Diagnostic dumps of result lists: one tab-separated line per record.
#include <fstream>
#include <string>

#include "listings/listings.h"

namespace {

ScoreListStores storesOf(const RunState& s, ListSource source) {
    switch (source) {
    case ListSource::DatabaseMatching:
        return {s.Datasets, s.DatabaseDatasets, s.maxScoresDatabaseList, true};
    case ListSource::DatabaseGlobalMatching:
        return {s.Datasets, s.DatabaseDatasets, s.maxScoresDatabaseGlobalList, true};
    case ListSource::InputComparison: break;
    }
    return {s.Datasets, s.Datasets, s.maxScoresList, false};
}

const data* find(const std::vector<data>& store, std::int32_t id) {
    return id >= 1 && static_cast<std::size_t>(id) <= store.size()
               ? &store[static_cast<std::size_t>(id - 1)]
               : nullptr;
}

void dump(const std::vector<dataCombinedScore>& list, const ScoreListStores& stores,
          const std::string& path, const char* title, FlagColumn flag) {
    std::ofstream out(path, std::ios::out | std::ios::trunc);  // failures pass silently
    out << title << std::endl;
    writeScoreRecords(out, list, stores, flag);
}

}  // namespace

void writeScoreRecords(std::ostream& out, const std::vector<dataCombinedScore>& list,
                       const ScoreListStores& stores, FlagColumn flag) {
    const data none;
    for (const dataCombinedScore& r : list) {
        // The scan's first motif is motifID1 in pairOrder records and motifID2 otherwise.
        const std::int32_t iID = r.matchFlag ? r.motifID1 : r.motifID2;
        const std::int32_t jID = r.matchFlag ? r.motifID2 : r.motifID1;
        const data* i = find(stores.firstOfScan, iID);
        const data* j = find(stores.secondOfScan, jID);
        const data& first = r.matchFlag ? (i ? *i : none) : (j ? *j : none);
        const data& second = r.matchFlag ? (j ? *j : none) : (i ? *i : none);
        // Before the key pass there are no best values and the distances read zero.
        const std::int32_t bestID = stores.bestOfScanFirst ? iID : r.motifID1;
        const auto k = static_cast<std::size_t>(bestID - 1);
        const maxScores entry = bestID >= 1 && k < stores.best.size()
                                    ? stores.best[k]
                                    : maxScores{0, r.alignmentScore, r.overlapLength, 0};

        out << directionText(r.direction) << '\t' << r.firstMotifIDKey() << '\t'
            << (i ? i->datasetNumber : 0) << '\t' << (j ? j->datasetNumber : 0) << '\t'
            << first.motifNumber << '\t' << second.motifNumber << '\t';
        if (flag == FlagColumn::AfterMotifNumbers) out << r.matchFlagText() << '\t';
        out << r.motifID1 << '\t' << r.motifID2 << '\t' << first.motifName << '\t'
            << second.motifName << '\t';
        if (flag == FlagColumn::AfterNames) out << r.matchFlagText() << '\t';
        out << r.position << '\t' << r.overlapLength << '\t' << strandText(r.matchFormat1)
            << '\t' << strandText(r.matchFormat2) << '\t' << r.alignmentScore << '\t'
            << scoreDifference(r, entry) << '\t' << overlapDifference(r, entry) << '\t'
            << r.similarityScore << '\t' << std::endl;
    }
}

void writeCombinedScoreList(RunState& s) {
    dump(s.DatasetsCombinedScoreLists, storesOf(s, ListSource::InputComparison),
         s.outputPath + "combinedScore.txt",
         "------------------ Combined score list ----------------", FlagColumn::Without);
}

void writeScoreList(RunState& s, std::vector<dataCombinedScore> list, std::int64_t n,
                    ListSource source) {
    dump(list, storesOf(s, source), s.outputPath + "ScoreDBG" + std::to_string(n) + ".txt",
         "------------------ Score list ----------------", FlagColumn::AfterNames);
}
