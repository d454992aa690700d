// The listing of every match of the plain database scans, one tab-ended line per record.
#include "database/databaseListings.h"

namespace {

const data* find(const std::vector<data>& store, std::int32_t id) {
    return id >= 1 && static_cast<std::size_t>(id) <= store.size()
               ? &store[static_cast<std::size_t>(id - 1)]
               : nullptr;
}

}  // namespace

void writeCombinedScoreDatabaseList(std::ostream& out,
                                    const std::vector<dataCombinedScore>& records,
                                    const DatabaseMatchStores& stores) {
    const std::ios::fmtflags flags = out.flags();
    const std::streamsize precision = out.precision();
    out.unsetf(std::ios::floatfield);
    out.precision(6);
    out << "------------------ Combined score list ----------------\n";
    const data none;
    for (const dataCombinedScore& r : records) {
        // A straight pass ("Y") has the input motif first, a mirrored pass the database motif.
        const std::int32_t inputID = r.matchFlag ? r.motifID1 : r.motifID2;
        const data* inputMotif = find(stores.inputMotifs, inputID);
        const data* dbMotif = find(stores.databaseMotifs, r.matchFlag ? r.motifID2 : r.motifID1);
        const data& input = inputMotif ? *inputMotif : none;
        const data& db = dbMotif ? *dbMotif : none;
        const data& first = r.matchFlag ? input : db;
        const data& second = r.matchFlag ? db : input;
        // Before the key pass there are no best values, and the distances read zero.
        const auto k = static_cast<std::size_t>(inputID - 1);
        const maxScores best = inputID >= 1 && k < stores.bestOfInputs.size()
                                   ? stores.bestOfInputs[k]
                                   : maxScores{0, r.alignmentScore, r.overlapLength, 0};

        out << directionText(r.direction) << '\t' << r.firstMotifIDKey() << '\t'
            << input.datasetNumber << '\t' << db.datasetNumber << '\t' << first.motifNumber
            << '\t' << second.motifNumber << '\t' << r.matchFlagText() << '\t' << r.motifID1
            << '\t' << r.motifID2 << '\t' << first.motifName << '\t' << second.motifName << '\t'
            << r.position << '\t' << r.overlapLength << '\t' << strandText(r.matchFormat1)
            << '\t' << strandText(r.matchFormat2) << '\t' << r.alignmentScore << '\t'
            << scoreDifference(r, best) << '\t' << overlapDifference(r, best) << '\t'
            << r.similarityScore << '\t' << '\n';
    }
    out.flags(flags);
    out.precision(precision);
}
