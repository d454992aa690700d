// The listings of the database motifs, one template for the three kinds of database.
#include "database/databaseListings.h"

namespace {

struct ListingLook {
    const char* fileName;
    const char* annotationLabel;
    const char* idLabel;
};

const ListingLook& lookOf(DatabaseLayout layout) {
    static constexpr ListingLook kJaspar{"jaspar_motifs.txt", "Taxon: ", "Motif ID: "};
    static constexpr ListingLook kUniprobe{"uniprobe_motifs.txt", "Species: ", "Motif ID: "};
    static constexpr ListingLook kTransfac{"transfac_motifs.txt", "Taxon: ", "AC: "};
    switch (layout) {
    case DatabaseLayout::Jaspar: return kJaspar;
    case DatabaseLayout::Uniprobe: return kUniprobe;
    case DatabaseLayout::Transfac: break;
    }
    return kTransfac;
}

}  // namespace

const char* databaseListingFileName(DatabaseLayout layout) { return lookOf(layout).fileName; }

void writeDatabaseListing(std::ostream& out, const std::vector<data>& motifs,
                          DatabaseLayout layout) {
    const ListingLook& look = lookOf(layout);
    const std::ios::fmtflags flags = out.flags();
    const std::streamsize precision = out.precision();
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.precision(6);
    for (const data& m : motifs) {
        out << "Motif name: " << m.motifName << '\n'
            << look.annotationLabel << m.motifAnnotation << '\n'
            << look.idLabel << m.dbMotifID << '\n';
        for (const Row& row : m.matrix) {
            for (double v : row) out << v << '\t';
            out << '\n';
        }
        out << "\n\n";
    }
    out.flags(flags);
    out.precision(precision);
}

void writeJasparDatabase(std::ostream& out, const std::vector<data>& motifs) {
    writeDatabaseListing(out, motifs, DatabaseLayout::Jaspar);
}
void writeTransfacDatabase(std::ostream& out, const std::vector<data>& motifs) {
    writeDatabaseListing(out, motifs, DatabaseLayout::Transfac);
}
void writeUniprobeDatabase(std::ostream& out, const std::vector<data>& motifs) {
    writeDatabaseListing(out, motifs, DatabaseLayout::Uniprobe);
}
