// The dialogue: every answer asked for, validated and asked again until it is acceptable.
#include <omp.h>

#include <array>
#include <cstdlib>
#include <string>

#include "driver/driver.h"
#include "model/model.h"
#include "state/databaseCatalogue.h"

namespace {

struct Dialogue {
    RunState& s;

    void say(const std::string& line) { *s.console << line << std::endl; }

    // A word: skips blanks and line ends; the rest of the line stays for the next read.
    std::string word() {
        std::string w;
        s.in->clear();
        if (!(*s.in >> w)) fatal(s, Fatal::EndOfInput);
        return w;
    }

    // A carriage return before the line feed is part of the line end: answer files
    // written on other systems end their lines that way.
    std::string line() {
        std::string l;
        s.in->clear();
        if (!std::getline(*s.in, l)) fatal(s, Fatal::EndOfInput);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        return l;
    }

    // The line end behind a word answer, so that the next whole-line read starts afresh.
    void discardOne() {
        if (s.in->get() == '\r' && s.in->peek() == '\n') s.in->get();
    }

    // A word answer holding a whole number within [low, high].
    int wholeNumber(std::string& typed, int low, int high, const char* refusal) {
        for (;;) {
            typed = word();
            int value = 0;
            if (checkNumeric(typed) && wholeNumberValue(typed, value) && value >= low &&
                value <= high)
                return value;
            say(refusal);
        }
    }

    // A whole-line answer that must name one of the choices.
    template <typename Parse>
    auto choice(Parse parse, const char* refusal) {
        for (;;) {
            if (auto chosen = parse(line())) return *chosen;
            say(refusal);
        }
    }
};

constexpr const char* kInvalidInput = "Invalid input. Please, re-enter.";

constexpr std::array<const char*, 10> kFormatMenu{
    "(1) TRANSFAC",          "(2) TRANSFAC-like",  "(3) PSSM",
    "(4) Jaspar",            "(5) MEME output",    "(6) Consensus sequence",
    "(7) Sequence Alignment", "(8) Matrices (Horizonal)", "(9) Matrices (Vertical)",
    "(10) Unspecified"};

constexpr std::array<double, 7> kCutoffs{0.5, 0.6, 0.7, 0.75, 0.8, 0.85, 0.9};

}  // namespace

void askQuestions(RunState& s) {
    Dialogue d{s};

    d.say("Please, enter number of files to read (must be > 0):");
    s.numFile = d.wholeNumber(s.numFileInput, 1, INT32_MAX, kInvalidInput);
    d.discardOne();

    d.say("Please, enter number of top significant motifs (must be > 0 and <= 50):");
    s.numTopMotif = d.wholeNumber(s.numTopMotifInput, 1, 50, kInvalidInput);

    d.say("Please, enter number of best matches (must be > 0 and <= 50):");
    s.numBestMatches = d.wholeNumber(s.numBestMatchesInput, 1, 50, kInvalidInput);

    d.say("Please, select a cutoff for similarity (>= 0.5, >= 0.6, >= 0.7, >= 0.75, >= 0.8, "
          ">= 0.85, >= 0.9):");
    for (bool accepted = false; !accepted;) {
        s.simCutoffInput = d.word();
        if (checkDouble(s.simCutoffInput)) {
            const double value = std::strtod(s.simCutoffInput.c_str(), nullptr);
            for (double c : kCutoffs)
                if (value == c) {
                    s.simCutoff = value;
                    accepted = true;
                }
        }
        if (!accepted) d.say(kInvalidInput);
    }

    d.say("Please, enter number of threads (must be >= 1):");
    for (;;) {
        s.numThreadInput = d.word();
        if (checkNumThreads(s.numThreadInput)) break;
        d.say(kInvalidInput);
    }
    wholeNumberValue(s.numThreadInput, s.numThread);
    s.maxThreadsAvailable = omp_get_max_threads();
    *s.console << "Maximum number of threads available on your machine is "
               << s.maxThreadsAvailable << "." << std::endl;
    d.say("This is the maximum number of threads can be allocated to run this program.");
    d.say("");
    if (s.numThread > s.maxThreadsAvailable) s.numThread = s.maxThreadsAvailable;
    omp_set_num_threads(s.numThread);
    d.discardOne();

    d.say("Please, enter input file's location (full path, for example, C:\\MyDocuments\\ for "
          "Windows and /home/MyFolder/ for Linux):");
    s.inputPath = d.line();
    d.say("");

    d.say("Enter input file names and formats (for example: 1). See the user manual for each "
          "format:");
    d.say("");
    for (const char* entry : kFormatMenu) d.say(entry);
    d.say("");

    for (int k = 1; k <= s.numFile; ++k) {
        fileNameAndType entry;
        d.say("Please, enter file name (in text format .txt, name without spaces):");
        s.inputFilename = d.line();
        while (!checkSpace(s.inputFilename)) {
            d.say("Please, re-enter file name without spaces:");
            s.inputFilename = d.line();
        }
        entry.fileName = s.inputFilename;

        d.say("Please, enter file format:");
        int format = 0;
        for (;;) {
            s.inputFileFormat = d.line();
            if (checkNumeric(s.inputFileFormat) && wholeNumberValue(s.inputFileFormat, format) &&
                format >= 1 && format <= 10)
                break;
            d.say("Invalid file format. Please, re-enter:");
        }
        entry.fileFormat = format;
        entry.datasetNumber = k;
        s.FileNameType.push_back(entry);
    }

    d.say("");
    d.say("Enter database name by selecting a number in the list below:");
    d.say("");
    for (const DatabaseEntry& entry : databaseCatalogue()) d.say(entry.menuText);
    d.say("(14) None");
    d.say("");
    for (bool accepted = false; !accepted;) {
        s.DBNameInput = d.word();
        if (s.DBNameInput == "14") {
            s.DBName = nullptr;
            accepted = true;
        }
        for (const DatabaseEntry& entry : databaseCatalogue())
            if (s.DBNameInput == std::to_string(entry.menuNumber)) {
                s.DBName = &entry;
                accepted = true;
            }
        if (!accepted) d.say(kInvalidInput);
    }
    d.discardOne();

    d.say("Would you like to generate motif tree? (Y or N):");
    s.motifCluster = d.choice(yesNoNamed, kInvalidInput);
    d.say("Would you like to combine similar motifs? (Y or N):");
    s.combinedMotifFlag = d.choice(yesNoNamed, kInvalidInput);

    d.say("Please, enter an output file type (Global-Only, All):");
    s.outputFileType = d.choice(outputTypeNamed, "Invalid output file type. Please, re-enter.");
    d.say("Please, enter an output file format (Text, HTML, PDF, All):");
    s.outputFileFormat =
        d.choice(outputFormatNamed, "Invalid output file format. Please, re-enter.");

    d.say("please, enter output file's location (full path, for example, C:\\MyDocuments\\ for "
          "Windows and /home/MyFolder/ for Linux):");
    for (;;) {
        s.outputPath = d.line();
        if (isValidPath(s.outputPath)) break;
        d.say("Invalid path. Please, re-enter.");
    }
}
