// Shared rules and text utilities: consensus, reverse complement, validators, formatting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"

// IUPAC consensus, one letter per row that fits a rule.
std::string getConsensusString(const Matrix& m);
// Rows reversed; in each row only the pair holding the row maximum is exchanged.
Matrix getRevCompMotif(const Matrix& m);
// The reverse-complement rule for one row (used by readers and getRevCompMotif alike).
Row revCompRow(Row r);

// Default stream formatting: six significant digits.
std::string numberToString(double value);
// Halves inner runs of blanks and trims blanks at both ends; tabs stay.
void removeSpaces(std::string& text);
// The tokens of one line of a motif or database file: runs of characters other than blank
// and tab. Blanks, tabs and line-end characters at the end of the line are no part of it,
// so CRLF files read like LF files; a blank line has no tokens.
std::vector<std::string> lineTokens(const std::string& line);
// Keeps only digits, blanks and full stops.
std::string removeSpecialCharacters(std::string text);
std::string getCurrDateTime();        // "%m-%d-%Y %X"
std::string getCurrDateTimeFormat();  // "%Y-%m-%d_%H-%M-%S"
std::string getCurrentDirectory();    // empty when it cannot be read
int countToken(const char* text);

bool checkNumeric(const std::string& text);
bool checkDouble(const std::string& text);
bool checkNumThreads(const std::string& text);
bool checkSpace(const std::string& text);
bool checkNucleotide(const std::string& text);
bool checkIUPAC(const std::string& text);
bool checkNumericOrSpace(const std::string& text);
bool isValidPath(const std::string& path);

// Whole-number value of a checkNumeric answer: the digits before the first ".".
// False when the value does not fit an int.
bool wholeNumberValue(const std::string& text, int& value);

// One position from four raw values, divided by their total (added A, C, G, T).
// A position without a usable total becomes the even row: nothing to say about it
// beats poisoning every score with NaN.
Row normalizeRow(double a, double c, double g, double t);

// Escapes & < > (and ' inside attribute values); ordinary names come out unchanged.
std::string htmlEscaped(const std::string& text, bool attribute = false);

// Text as a terminal may show it: every control character (C0, DEL and C1) and every byte
// that starts no well-formed UTF-8 character written as \xHH; all else unchanged.
std::string terminalSafe(std::string_view text);

// A path as one shell word: unchanged when it holds only [A-Za-z0-9_./+,:@%=-], so
// ordinary command lines stay as they were; otherwise single-quoted.
std::string shellWord(const std::string& text);
