// Everything one run knows; main owns it and every stage reads and writes it.
#pragma once

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "model/records.h"

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
    std::string DBName;
    std::string motifCluster;
    std::string combinedMotifFlag;
    std::string outputFileType;
    std::string outputFileFormat;
    std::string outputPath;
    std::string jobID;

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
    std::string jasparDB;
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

    // The fifteen report documents: name (prefixed with jobID once it is drawn), path and
    // one stream each. A stream lives for the whole run and is closed between writers;
    // its format state carries from one writer to the next.
    std::string outputGlobalMatchingFile = "Results_Global_Matching.txt";
    std::string outputFileGlobalMatchingLocation;
    std::ofstream myGlobalMatchingFile;

    std::string outputDatabaseMatchingGlobalMatchingFile =
        "Results_Database_Matching_Global_Matching.txt";
    std::string outputDatabaseMatchingGlobalMatchingFileLocation;
    std::ofstream myDatabaseMatchingGlobalMatchingFile;

    std::string outputHTMLGlobalMatchingFile = "HTML_Global_Matching_Results.html";
    std::string outputHTMLGlobalMatchingFileLocation;
    std::ofstream myHTMLGlobalMatchingFile;

    std::string outputDatabaseMatchingGlobalMatchingHTMLFile =
        "HTML_Results_Database_Matching_Global_Matching.html";
    std::string outputDatabaseMatchingGlobalMatchingHTMLFileLocation;
    std::ofstream myDatabaseMatchingGlobalMatchingHTMLFile;

    std::string outputFile = "Results.txt";
    std::string outputFileLocation;
    std::ofstream myfile;

    std::string outputFileWithoutMotif = "Results_Without_Motif_Details.txt";
    std::string outputFileWithoutMotifLocation;
    std::ofstream myfileWithoutMotif;

    std::string outputHTMLFile = "HTML_Results.html";
    std::string outputHTMLFileLocation;
    std::ofstream myHTMLFile;

    std::string outputDatabaseMatchingFile = "Results_Database_Matching.txt";
    std::string outputDatabaseMatchingFileLocation;
    std::ofstream myDatabaseMatchingFile;

    std::string outputDatabaseMatchingFileWithoutMotif =
        "Results_Database_Matching_Without_Motif_Details.txt";
    std::string outputDatabaseMatchingFileWithoutMotifLocation;
    std::ofstream myDatabaseMatchingFileWithoutMotif;

    std::string outputDatabaseMatchingHTMLFile = "HTML_Results_Database_Matching.html";
    std::string outputDatabaseMatchingHTMLFileLocation;
    std::ofstream myDatabaseMatchingHTMLFile;

    std::string outputCombinedMatrixGlobalFile = "Results_Combined_Motifs_Global_Matching.txt";
    std::string outputCombinedMatrixGlobalFileLocation;
    std::ofstream myCombinedMatrixGlobalFile;

    std::string outputCombinedMatrixGlobalAndLocalFile =
        "Results_Combined_Motifs_Global_and_Local_Matching.txt";
    std::string outputCombinedMatrixGlobalAndLocalFileLocation;
    std::ofstream myCombinedMatrixGlobalAndLocalFile;

    std::string outputCombinedMatrixBestMatchesFile = "Results_Combined_Motifs_Best_Matches.txt";
    std::string outputCombinedMatrixBestMatchesFileLocation;
    std::ofstream myCombinedMatrixBestMatchesFile;

    std::string outputMotifTreeGlobalHTMLFile = "Global_Matching_Motif_Tree.html";
    std::string outputMotifTreeGlobalHTMLFileLocation;
    std::ofstream myMotifTreeGlobalMatchingFile;

    std::string outputMotifTreeHTMLFile = "Motif_Tree.html";
    std::string outputMotifTreeHTMLFileLocation;
    std::ofstream myMotifTreeFile;
};
