// The reference databases a run can match against: menu, key, names, file and layout.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// How a database file's blocks are laid out.
enum class DatabaseLayout : std::uint8_t {
    Jaspar,    // ">id name [taxon]" header, then the A, C, G, T count lines
    Uniprobe,  // as Jaspar; the species comes from the catalogue
    Transfac,  // name and species on line 1, accession on line 3, one position per line
};

// Where each motif's annotation (species or taxon) comes from.
enum class AnnotationSource : std::uint8_t {
    Fixed,   // the catalogue's text, for every motif of the file
    Header,  // the block's own header (JASPAR: header token 3; TRANSFAC: line 1 token 2)
};

struct DatabaseEntry {
    int menuNumber;               // the dialogue's answer, "1" to "13"
    const char* menuText;         // the dialogue's menu line
    const char* key;              // the stored database key (DBName)
    const char* displayName;      // how report headers name it
    const char* file;             // appended to the working directory
    DatabaseLayout layout;
    AnnotationSource annotationSource;
    const char* annotation;       // the fixed text; empty when taken from the header
};

// The thirteen databases in menu order.
std::span<const DatabaseEntry> databaseCatalogue();
// The entry of a stored key; null for "N" and anything else.
const DatabaseEntry* findDatabase(std::string_view key);
