// The listing of every match of the plain database scans, one tab-ended line per record.
#include "database/databaseListings.h"
#include "listings/listings.h"

void writeCombinedScoreDatabaseList(std::ostream& out,
                                    const std::vector<dataCombinedScore>& records,
                                    const DatabaseMatchStores& stores) {
    const std::ios::fmtflags flags = out.flags();
    const std::streamsize precision = out.precision();
    out.unsetf(std::ios::floatfield);
    out.precision(6);
    out << "------------------ Combined score list ----------------\n";
    // The input motif is the scan's first motif, keyed against its own best values.
    writeScoreRecords(out, records,
                      {stores.inputMotifs, stores.databaseMotifs, stores.bestOfInputs, true},
                      FlagColumn::AfterMotifNumbers);
    out.flags(flags);
    out.precision(precision);
}
