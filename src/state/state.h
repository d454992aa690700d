// The floor every stage stands on: the run state, its documents, its fatal exits and the
// tests of the answers that choose what a run makes.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "state/RunState.h"

enum class Fatal { BadInputPath, BadOutputPath, TooFewMotifs, EndOfInput };
// Prints the condition's one line on the console and ends the process with status 1.
[[noreturn]] void fatal(RunState& s, Fatal f);

// Writes one line to the run's standard error. Names and paths in it come from files and
// answers; their control characters are written escaped, never sent to the terminal.
void warn(RunState& s, std::string_view line);

// Whether the answers ask for the document.
bool documentExists(const RunState& s, ReportDoc d);

enum class OpenMode { Truncate, Append };
// Opens the document's stream on its path; a document that cannot be opened ends the run.
std::ofstream& openDocument(RunState& s, ReportDoc d, OpenMode mode);
// Names every document after the job identifier and places it in the output folder.
void nameDocuments(RunState& s);

// What the answers choose.
inline bool textFormat(const RunState& s) {
    return s.outputFileFormat == OutputFormat::Text || s.outputFileFormat == OutputFormat::All;
}
inline bool htmlFormat(const RunState& s) { return s.outputFileFormat != OutputFormat::Text; }
inline bool pdfFormat(const RunState& s) {
    return s.outputFileFormat == OutputFormat::PDF || s.outputFileFormat == OutputFormat::All;
}
inline bool typeAll(const RunState& s) { return s.outputFileType == OutputType::All; }
inline bool databaseChosen(const RunState& s) { return s.DBName != nullptr; }

// Opens a file to read. A folder is no file: it would open, and read as an empty one.
bool openFileForReading(std::ifstream& in, const std::string& path);

// The input folder less its last seven characters (all of it when shorter): the folder
// beside which the reports and the logo generator live.
std::string besideInputFolder(const std::string& inputPath);
// The folder the reports go to: besideInputFolder + "result/".
std::string outputFolderFor(const std::string& inputPath);

// The run's team size: the answered thread count (the runtime's default when unset).
int teamSize(const RunState& s);
