// The one table of reference databases; every other place looks them up here.
#include "state/databaseCatalogue.h"

#include <array>

namespace {
using L = DatabaseLayout;
using A = AnnotationSource;
constexpr std::array<DatabaseEntry, 13> kCatalogue{{
    {1, "(1) Jaspar 2016 (All)", "jasparAll", "Jaspar Core",
     "/databases/jaspar/jaspar_pfm_all.txt", L::Jaspar, A::Header, ""},
    {2, "(2) Jaspar 2016 (Fungi)", "jasparFungi", "Jaspar Fungi",
     "/databases/jaspar/jaspar_pfm_fungi.txt", L::Jaspar, A::Fixed, "Fungi"},
    {3, "(3) Jaspar 2016 (Insects)", "jasparInsects", "Jaspar Insects",
     "/databases/jaspar/jaspar_pfm_insects.txt", L::Jaspar, A::Fixed, "Insects"},
    {4, "(4) Jaspar 2016 (Nematodes)", "jasparNematodes", "Jaspar Nematodes",
     "/databases/jaspar/jaspar_pfm_nematodes.txt", L::Jaspar, A::Fixed, "Nematodes"},
    {5, "(5) Jaspar 2016 (Plants)", "jasparPlants", "Jaspar Plants",
     "/databases/jaspar/jaspar_pfm_plants.txt", L::Jaspar, A::Fixed, "Plants"},
    {6, "(6) Jaspar 2016 (Urochordates)", "jasparUrochordates", "Jaspar Urochordates",
     "/databases/jaspar/jaspar_pfm_urochordates.txt", L::Jaspar, A::Fixed, "Urochordates"},
    {7, "(7) Jaspar 2016 (Vertebrates)", "jasparVertebrates", "Jaspar Vertebrates",
     "/databases/jaspar/jaspar_pfm_vertebrates.txt", L::Jaspar, A::Fixed, "Vertebrates"},
    {8, "(8) Transfac (Free version)", "transfac", "Transfac",
     "/databases/transfac/transfac.txt", L::Transfac, A::Header, ""},
    {9, "(9) UniPROBE (Human)", "uniprobeHuman", "UniProbe Homo Sapiens",
     "/databases/uniprobe/uniprobe_human.txt", L::Uniprobe, A::Fixed, "Homo sapiens"},
    {10, "(10) UniPROBE (Mouse)", "uniprobeMouse", "UniProbe Mus Musculus",
     "/databases/uniprobe/uniprobe_mouse.txt", L::Uniprobe, A::Fixed, "Mus musculus"},
    {11, "(11) UniPROBE (Parasite)", "uniprobeParasite",
     "UniProbe Parasite (Plasmodium Falciparum)", "/databases/uniprobe/uniprobe_parasite.txt",
     L::Uniprobe, A::Fixed, "Parasite (Plasmodium Falciparum)"},
    {12, "(12) UniPROBE (Worm)", "uniprobeWorm", "UniProbe Worm (Caenorhabditis Elegans)",
     "/databases/uniprobe/uniprobe_worm.txt", L::Uniprobe, A::Fixed,
     "Worm (Caenorhabditis Elegans)"},
    {13, "(13) UniPROBE (Yeast)", "uniprobeYeast", "UniProbe Yeast (Saccharomyces Cerevisiae)",
     "/databases/uniprobe/uniprobe_yeast.txt", L::Uniprobe, A::Fixed,
     "Yeast (saccharomyces cerevisiae)"},
}};
}  // namespace

std::span<const DatabaseEntry> databaseCatalogue() { return kCatalogue; }

const DatabaseEntry* findDatabase(std::string_view key) {
    for (const DatabaseEntry& e : kCatalogue)
        if (key == e.key) return &e;
    return nullptr;
}
