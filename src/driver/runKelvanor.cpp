// The order of one run: dialogue, reading, comparison, reports.
#include <omp.h>

#include "compare/compare.h"
#include "driver/driver.h"
#include "input/input.h"

int runKelvanor(RunState& s) {
    std::ostream& out = *s.console;

    askQuestions(s);
    makeJobIdentity(s);

    s.start = omp_get_wtime();
    out << std::endl << "Reading input ..." << std::endl;
    readInput(s, s.FileNameType);
    if (s.Datasets.size() < 2) fatal(s, Fatal::TooFewMotifs);

    writeMotifInput(s);
    printFileNameTypeCount(s);
    out << "Processing input ..." << std::endl;

    forwardScan(s);
    backwardScan(s);
    getMaxScores(s);
    calculateSumScoresCompare(s);

    s.stop = omp_get_wtime();
    s.wtime = s.stop - s.start;

    out << "Your output files have been saved in " << s.outputPath << std::endl
        << std::endl
        << "Runtime: " << s.wtime << " seconds." << std::endl;
    return 0;
}
