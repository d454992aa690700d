// The motif tree: distance tables as comma-separated text, the drawing script and its
// command, and the tree sections of the two tree documents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A distance table as the ranking leaves it: labels in row 0 and column 0 from index 1,
// the empty corner, numbers as text elsewhere.
using DistanceTable = std::vector<std::vector<std::string>>;

enum class MotifTree : std::uint8_t { AllMotifs, GlobalMatching };

// What tells the two trees apart.
struct MotifTreeLook {
    const char* labelPrefix;
    const char* matrixFile;
    const char* scriptFile;
    const char* imageFile;
    const char* boxTitle;
};
const MotifTreeLook& motifTreeLook(MotifTree tree);

// outputPath + jobID + each file name of the tree.
struct MotifTreeFiles {
    std::string image;
    std::string matrix;
    std::string script;
};
MotifTreeFiles motifTreeFiles(const std::string& outputPath, const std::string& jobID,
                              MotifTree tree);

// Prefixes label k (row 0 and column 0) with prefix + k + "_", which also makes the row
// names unique for the script. Cells missing from a ragged table are passed over.
void relabelDistanceMatrix(DistanceTable& table, const std::string& prefix);

// One cell as the script's reader takes it back: quoted only when it holds a comma, a
// double quote, CR or LF.
std::string csvCell(const std::string& text);
// Every cell followed by ",", every row by a line feed; no rows give the empty text.
std::string distanceMatrixCsv(const DistanceTable& table);

// Where a path goes in the script: R's image device reads its file name as a
// page-number template, so "%" must be doubled there.
enum class RPathUse : std::uint8_t { ReadFile, ImageDevice };
// A path as the text between the single quotes of an R string: backslash, quote and line
// ends escaped, and a leading "~" kept from R's home-folder expansion.
std::string rPathText(const std::string& path, RPathUse use);
// The fifteen-line script that draws the tree from the matrix file into the image file.
std::string treeScript(const std::string& matrixPath, const std::string& imagePath);
// The argument list that runs the script, for a start without a shell.
std::vector<std::string> treeDrawingCommand(const std::string& scriptPath);

// The tree section of a tree document: the boxed image, or, for the global tree of a run
// with one input file, the notice that there is none.
std::string motifTreeSection(MotifTree tree, const std::string& jobID, std::int32_t numFile);
