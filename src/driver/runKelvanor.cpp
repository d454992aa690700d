// The order of one run: dialogue, reading, comparison, reports, tree, combination,
// database matching. Each stage is chosen or skipped by the answers.
#include <omp.h>

#include "combine/combinationStage.h"
#include "compare/compare.h"
#include "database/databaseMatching.h"
#include "documents/documents.h"
#include "driver/driver.h"
#include "input/input.h"
#include "listings/listings.h"
#include "tree/treeStages.h"

int runKelvanor(RunState& s) {
    std::ostream& out = *s.console;

    // 1-4. Dialogue, job identifier, output folder, document paths.
    askQuestions(s);
    makeJobIdentity(s);

    // 5-8. Reading and the input listing.
    s.start = omp_get_wtime();
    out << std::endl << "Reading input ..." << std::endl;
    readInput(s, s.FileNameType);
    if (s.Datasets.size() < 2) fatal(s, Fatal::TooFewMotifs);
    writeMotifInput(s);
    printFileNameTypeCount(s);
    out << "Processing input ..." << std::endl;

    // 9. Logos of the input motifs (HTML formats).
    if (htmlFormat(s)) writeMotif(s);
    // 10. Comparison: forward and backward scans, best values, similarity keys.
    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);
    // 11. Headers of every document the answers ask for.
    writeHeaders(s);
    // 12. Ranking, then the report sections and their listings.
    writeComparisonSections(s, getResultsList(s));
    // 13. Motif tree, when asked for. A global tree needs more than one input file; with
    //     type All its document then carries the one-file notice instead.
    if (s.motifCluster) {
        if (s.numFile > 1) getMotifClusterGlobal(s);
        if (typeAll(s)) getMotifCluster(s);
        if (htmlFormat(s) && (s.numFile > 1 || typeAll(s))) writeMotifTreeGlobalHTMLOrPDF(s);
        if (htmlFormat(s) && typeAll(s)) writeMotifTreeHTMLOrPDF(s);
    }
    // 14. Combination of similar motifs, when asked for, whatever the format.
    if (s.combinedMotifFlag) combineSimilarMotifs(s);
    // 15. Database matching, when a database was chosen: every input motif (output type
    //     All), then the global representatives, each scanned, keyed and reported.
    if (databaseChosen(s)) {
        readDatabase(s);
        if (htmlFormat(s)) writeDatabaseMotif(s);
        if (typeAll(s)) {
            forwardScanDatabase(s);
            backwardScanDatabase(s);
            getMaxScoresDatabase(s);
            calculateSumScoresCompareDatabase(s);
            getDatabaseResultsList(s);
        }
        forwardScanDatabaseGlobal(s);
        backwardScanDatabaseGlobal(s);
        getMaxScoresDatabaseGlobal(s);
        calculateSumScoresCompareDatabaseGlobal(s);
        getDatabaseGlobalResultsList(s);
    }

    // 16. The run time covers everything above but the dialogue and the naming.
    s.stop = omp_get_wtime();
    s.wtime = s.stop - s.start;

    // 17. Footers of every document. 18. PDF conversion (formats PDF and All).
    writeFooters(s);
    convertHTMLDocuments(s);

    // 19.
    out << "Your output files have been saved in " << s.outputPath << std::endl
        << std::endl
        << "Runtime: " << s.wtime << " seconds." << std::endl;
    return 0;
}
