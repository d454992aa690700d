// The run driver: dialogue, job identity, report document table and the order of stages.
#pragma once

#include <fstream>

#include "driver/RunState.h"

// Runs one whole job on the state's streams; returns the exit status.
int runKelvanor(RunState& s);

void askQuestions(RunState& s);
// Job identifier, output folder and the path of every report document.
void makeJobIdentity(RunState& s);
// The folder the reports go to: the input folder less its last seven characters.
std::string outputFolderFor(const std::string& inputPath);

enum class Fatal { BadInputPath, BadOutputPath, TooFewMotifs, EndOfInput };
// Prints the condition's one line on the console and ends the process with status 1.
[[noreturn]] void fatal(RunState& s, Fatal f);

// The fifteen report documents, numbered in the order their writers are called.
enum class ReportDoc {
    GlobalMatchingText = 1,
    DatabaseGlobalMatchingText,
    GlobalMatchingHTML,
    DatabaseGlobalMatchingHTML,
    Results,
    ResultsWithoutMotif,
    ResultsHTML,
    DatabaseMatching,
    DatabaseMatchingWithoutMotif,
    DatabaseMatchingHTML,
    CombinedGlobal,
    CombinedGlobalAndLocal,
    CombinedBestMatches,
    MotifTreeGlobal,
    MotifTree,
};
inline constexpr int kReportDocCount = 15;

struct DocumentSlot {
    const char* defaultName;
    std::string RunState::*name;
    std::string RunState::*path;
    std::ofstream RunState::*stream;
};
const DocumentSlot& documentSlot(ReportDoc d);
// Whether the answers ask for the document.
bool documentExists(const RunState& s, ReportDoc d);

enum class OpenMode { Truncate, Append };
// Opens the document's stream on its path; a document that cannot be opened ends the run.
std::ofstream& openDocument(RunState& s, ReportDoc d, OpenMode mode);

// Answer tests every stage shares.
inline bool textFormat(const RunState& s) {
    return s.outputFileFormat == "Text" || s.outputFileFormat == "All";
}
inline bool htmlFormat(const RunState& s) {
    return s.outputFileFormat == "HTML" || s.outputFileFormat == "PDF" ||
           s.outputFileFormat == "All";
}
inline bool typeAll(const RunState& s) { return s.outputFileType == "All"; }
inline bool databaseChosen(const RunState& s) { return s.DBName.size() >= 2; }
