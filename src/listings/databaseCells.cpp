// What the database listings show of a match: its database motif and that motif's page.
#include <cstdio>

#include "listings/listingTemplates.h"

bool findDatabaseMatch(const RunState& s, const dataCombinedScore& r, std::int64_t topMotifID,
                       ListedMatch& match) {
    if (s.DBName == nullptr || inputMotifID(r) != topMotifID) return false;
    match.topPlace = r.matchFlag ? TopPlace::First : TopPlace::Second;
    match.partnerID = databaseMotifID(r);
    if (topMotifID < 1 || topMotifID > static_cast<std::int64_t>(s.Datasets.size()) ||
        match.partnerID < 1 ||
        match.partnerID > static_cast<std::int64_t>(s.DatabaseDatasets.size()))
        return false;
    match.top = &s.Datasets[static_cast<std::size_t>(topMotifID - 1)];
    match.partner = &s.DatabaseDatasets[static_cast<std::size_t>(match.partnerID - 1)];
    match.database = s.DBName;
    return true;
}

const char* annotationLabel(const DatabaseEntry* database) {
    return !database || database->layout == DatabaseLayout::Jaspar ? "Taxon" : "Species";
}

namespace {
std::string percentEncoded(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}
}  // namespace

std::string databaseLink(const DatabaseEntry& database, const std::string& dbMotifID) {
    switch (database.layout) {
    case DatabaseLayout::Transfac:
        return "http://www.gene-regulation.com/cgi-bin/pub/databases/transfac/getTF.cgi?" +
               percentEncoded(dbMotifID);
    case DatabaseLayout::Uniprobe:
        // The site numbers its motifs by the three characters after the identifier's
        // first four; a shorter identifier has none to give.
        return "http://thebrain.bwh.harvard.edu/uniprobe/detailsDef.php?id=" +
               percentEncoded(dbMotifID.size() > 4 ? dbMotifID.substr(4, 3) : std::string());
    case DatabaseLayout::Jaspar: break;
    }
    return "http://jaspar.genereg.net/cgi-bin/jaspar_db.pl?rm=present&collection=CORE&ID=" +
           percentEncoded(dbMotifID);
}
