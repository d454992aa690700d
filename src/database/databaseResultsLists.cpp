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

namespace {

// Where one input motif's records lie in the list: the scans leave them in a few long
// runs (one per direction), so a group is gathered without reordering the list.
using Runs = std::vector<std::pair<std::size_t, std::size_t>>;

std::vector<Runs> runsByInputMotif(const std::vector<dataCombinedScore>& list,
                                   std::size_t inputCount) {
    std::vector<Runs> runs(inputCount);
    for (std::size_t begin = 0; begin < list.size();) {
        const std::int32_t id = inputMotifID(list[begin]);
        std::size_t end = begin + 1;
        while (end < list.size() && inputMotifID(list[end]) == id) ++end;
        if (id >= 1 && static_cast<std::size_t>(id) <= inputCount)
            runs[static_cast<std::size_t>(id - 1)].emplace_back(begin, end);
        begin = end;
    }
    return runs;
}

// The first record of each of the first `limit` database motif names, in group order.
bestMatchList selectByName(std::span<const dataCombinedScore> group,
                           const std::vector<data>& database, std::size_t limit) {
    bestMatchList selected;
    std::vector<const std::string*> namesTaken;
    for (const dataCombinedScore& r : group) {
        if (selected.size() >= limit) break;
        const std::int32_t id = databaseMotifID(r);
        if (id < 1 || static_cast<std::size_t>(id) > database.size()) continue;
        // Database motifs are told apart by name: two entries of one factor count once.
        const std::string& name = database[static_cast<std::size_t>(id - 1)].motifName;
        if (std::any_of(namesTaken.begin(), namesTaken.end(),
                        [&](const std::string* taken) { return *taken == name; }))
            continue;
        namesTaken.push_back(&name);
        selected.push_back(r);
    }
    return selected;
}

// The group's selection as if the whole group were sorted in databaseMatchOrder, a total
// order, so equal keys come out alike for any thread count. Only a group's head is ever
// listed: its first records are put in order, and more of them only when the head holds
// too few names.
bestMatchList selectFromGroup(std::vector<dataCombinedScore>& group,
                              const std::vector<data>& database, std::size_t limit) {
    const auto at = [&](std::size_t k) { return group.begin() + static_cast<std::ptrdiff_t>(k); };
    std::size_t sorted = 0;
    std::size_t head = std::max<std::size_t>(64, 8 * limit);
    for (;;) {
        head = std::min(head, group.size());
        std::nth_element(at(sorted), at(head), group.end(), databaseMatchOrder);
        std::sort(at(sorted), at(head), databaseMatchOrder);
        sorted = head;
        bestMatchList selected =
            selectByName(std::span<const dataCombinedScore>(group.data(), sorted), database, limit);
        if (selected.size() >= limit || sorted == group.size()) return selected;
        head *= 4;
    }
}

}  // namespace

std::vector<bestMatchList> databaseBestMatchLists(const std::vector<dataCombinedScore>& list,
                                                  std::size_t inputCount,
                                                  const std::vector<data>& database,
                                                  std::int32_t numBestMatches, int threads) {
    const std::vector<Runs> runs = runsByInputMotif(list, inputCount);
    const std::size_t limit = numBestMatches > 0 ? static_cast<std::size_t>(numBestMatches) : 0;
    std::vector<bestMatchList> lists(inputCount);
    if (threads < 1) threads = 1;
    const auto motifs = static_cast<std::int64_t>(inputCount);
#pragma omp parallel num_threads(threads)
    {
        std::vector<dataCombinedScore> group;
#pragma omp for schedule(dynamic, 1)
        for (std::int64_t k = 0; k < motifs; ++k) {
            const auto m = static_cast<std::size_t>(k);
            group.clear();
            for (const auto& [begin, end] : runs[m])
                group.insert(group.end(), list.begin() + static_cast<std::ptrdiff_t>(begin),
                             list.begin() + static_cast<std::ptrdiff_t>(end));
            lists[m] = selectFromGroup(group, database, limit);
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
