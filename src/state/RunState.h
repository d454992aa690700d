// Everything one run knows; main owns it and every stage reads and writes it.
#pragma once

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "model/records.h"
#include "state/answers.h"
#include "state/databaseCatalogue.h"
#include "state/reportDocument.h"

struct RunState {
    // Where the dialogue is read and the console lines go.
    std::istream* in = &std::cin;
    std::ostream* console = &std::cout;
    std::ostream* warnings = &std::cerr;

    // Answers of the dialogue.
    std::string numFileInput;
    std::int32_t numFile = 0;
    std::string numTopMotifInput;
    std::int32_t numTopMotif = 0;
    std::string numBestMatchesInput;
    std::int32_t numBestMatches = 0;
    std::string simCutoffInput;
    double simCutoff = 0.0;
    std::string numThreadInput;
    std::int32_t numThread = 0;
    std::int32_t maxThreadsAvailable = 0;
    std::string inputPath;
    std::string inputFilename;
    std::string inputFileFormat;
    std::string DBNameInput;
    const DatabaseEntry* DBName = nullptr;  // the chosen database; null for "N"
    bool motifCluster = false;              // "Y": draw a motif tree
    bool combinedMotifFlag = false;         // "Y": combine similar motifs
    OutputType outputFileType = OutputType::GlobalOnly;
    OutputFormat outputFileFormat = OutputFormat::Text;
    std::string outputPath;
    std::string jobID;
    std::string jobClaim;  // the empty file that holds jobID for this run until it is written

    // Counters and fixed values.
    std::int64_t matrixIDNum = 1;
    std::int64_t mNum = 1;
    std::int32_t dNum = 1;
    std::int32_t motifNameLength = 0;
    const double maxScore = kMaxCellScore;
    const std::int32_t overlap = kMinimumOverlap;
    double maxSumScoreCompare = 0.0;

    // Timing, seconds of wall-clock time.
    double start = 0.0;
    double stop = 0.0;
    double wtime = 0.0;

    // Motif stores.
    std::vector<fileNameAndType> FileNameType;
    std::vector<data> Datasets;
    std::vector<data> DatabaseDatasets;

    // Comparison results and ranking.
    std::vector<dataCombinedScore> DatasetsCombinedScoreLists;
    std::vector<maxScores> maxScoresList;
    std::vector<commonBestMatches> globalMatchingScoreResultList;
    std::vector<commonBestMatches> commonBestScoreResultList;
    commonBestMatches commonBestScoreGlobalList;  // scratch entries of the two rankings
    commonBestMatches commonBestScoreList;
    std::vector<bestMatchList> topGlobalMatchingResults;
    std::vector<bestMatchList> topGlobalAndLocalMatchingResults;
    std::vector<bestMatchList> topBestMatchesResults;

    // Database matching results.
    std::vector<dataCombinedScore> DatasetsCombinedScoreDatabaseLists;
    std::vector<dataCombinedScore> DatasetsCombinedScoreDatabaseGlobalLists;
    std::vector<maxScores> maxScoresDatabaseList;
    std::vector<maxScores> maxScoresDatabaseGlobalList;
    std::string jasparDB;  // the database file read, by its layout
    std::string transfacDB;
    std::string uniprobeDB;

    // Motif tree.
    std::vector<std::vector<std::string>> distanceMatrix;
    std::vector<std::vector<std::string>> distanceMatrixGlobal;

    // Combination.
    combinedMatrices mergedMatrix;
    std::vector<combinedMatrices> mergedMotifList;
    std::vector<combinedMatrices> mergedMotifListGlobalAndLocal;
    std::vector<combinedMatrices> mergedMotifListBestMatches;
    std::vector<std::vector<combinedMatrices>> mergedMotifGlobalMatching;
    std::vector<std::vector<combinedMatrices>> mergedMotifGlobalAndLocalMatching;
    std::vector<std::vector<combinedMatrices>> mergedMotifBestMatches;

    // The fifteen report documents, addressed by ReportDoc.
    ReportDocuments documents;
};
