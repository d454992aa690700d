// The ranking of the database matches: each input motif's matches sorted, one per database
// motif name kept, and handed to the database report sections.
#include <algorithm>
#include <cmath>

#include "database/databaseMatching.h"
#include "listings/listings.h"

bool databaseMatchOrder(const dataCombinedScore& a, const dataCombinedScore& b) {
    const bool aNumber = !std::isnan(a.similarityScore), bNumber = !std::isnan(b.similarityScore);
    if (aNumber != bNumber) return aNumber;
    if (aNumber && a.similarityScore != b.similarityScore)
        return a.similarityScore < b.similarityScore;
    if (databaseMotifID(a) != databaseMotifID(b)) return databaseMotifID(a) < databaseMotifID(b);
    if (a.direction != b.direction) return a.direction < b.direction;
    if (a.position != b.position) return a.position < b.position;
    return a.matchFlag > b.matchFlag;
}

std::vector<bestMatchList> databaseBestMatchLists(std::vector<dataCombinedScore>& list,
                                                  std::size_t inputCount,
                                                  const std::vector<data>& database,
                                                  std::int32_t numBestMatches, int threads) {
    const std::vector<MatchGroup> groups = groupBySide(list, inputCount, threads,
                                                       RecordSide::InputByMatchFlag,
                                                       databaseMatchOrder);
    const std::size_t limit = numBestMatches > 0 ? static_cast<std::size_t>(numBestMatches) : 0;
    std::vector<bestMatchList> lists(groups.size());
    std::vector<const std::string*> namesTaken;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        namesTaken.clear();
        for (const dataCombinedScore& r : groups[k]) {
            if (lists[k].size() >= limit) break;
            const std::int32_t id = databaseMotifID(r);
            if (id < 1 || static_cast<std::size_t>(id) > database.size()) continue;
            // Database motifs are told apart by name: two entries of one factor count once.
            const std::string& name = database[static_cast<std::size_t>(id - 1)].motifName;
            if (std::any_of(namesTaken.begin(), namesTaken.end(),
                            [&](const std::string* taken) { return *taken == name; }))
                continue;
            namesTaken.push_back(&name);
            lists[k].push_back(r);
        }
    }
    return lists;
}

void getDatabaseResultsList(RunState& s) {
    const std::vector<bestMatchList> lists =
        databaseBestMatchLists(s.DatasetsCombinedScoreDatabaseLists, s.Datasets.size(),
                               s.DatabaseDatasets, s.numBestMatches, teamSize(s));
    if (typeAll(s)) writeDatabaseSections(s, ComparisonSection::DatabaseEachMotif, lists);
}

void getDatabaseGlobalResultsList(RunState& s) {
    const std::vector<bestMatchList> lists =
        databaseBestMatchLists(s.DatasetsCombinedScoreDatabaseGlobalLists, s.Datasets.size(),
                               s.DatabaseDatasets, s.numBestMatches, teamSize(s));
    writeDatabaseSections(s, ComparisonSection::DatabaseGlobalMatching, lists);
}
