// The names under which every report header shows the chosen database.
#include <array>
#include <utility>

#include "documents/documents.h"

const char* databaseDisplayName(const std::string& DBName) {
    static constexpr std::array<std::pair<const char*, const char*>, 13> kNames{{
        {"transfac", "Transfac"},
        {"jasparAll", "Jaspar Core"},
        {"jasparFungi", "Jaspar Fungi"},
        {"jasparInsects", "Jaspar Insects"},
        {"jasparNematodes", "Jaspar Nematodes"},
        {"jasparPlants", "Jaspar Plants"},
        {"jasparUrochordates", "Jaspar Urochordates"},
        {"jasparVertebrates", "Jaspar Vertebrates"},
        {"uniprobeHuman", "UniProbe Homo Sapiens"},
        {"uniprobeMouse", "UniProbe Mus Musculus"},
        {"uniprobeParasite", "UniProbe Parasite (Plasmodium Falciparum)"},
        {"uniprobeWorm", "UniProbe Worm (Caenorhabditis Elegans)"},
        {"uniprobeYeast", "UniProbe Yeast (Saccharomyces Cerevisiae)"},
    }};
    for (const auto& [key, name] : kNames)
        if (DBName == key) return name;
    return "None";
}
