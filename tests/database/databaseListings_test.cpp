// The diagnostic listings of the database motifs and of the plain database matches.
#include <gtest/gtest.h>

#include <sstream>

#include "database/databaseListings.h"

namespace {

data dbMotif(std::int64_t id, std::string name, std::string annotation, std::string dbID,
             Matrix matrix) {
    data m;
    m.motifID = m.motifNumber = id;
    m.datasetNumber = 1;
    m.motifName = std::move(name);
    m.motifAnnotation = std::move(annotation);
    m.dbMotifID = std::move(dbID);
    m.matrix = std::move(matrix);
    return m;
}

TEST(writeDatabaseListing, listsEveryMotifWithTheLabelsOfItsLayout) {
    const std::vector<data> motifs{
        dbMotif(1, "AGL3", "Plants", "MA0001.1", {{0.25, 0.25, 0.25, 0.25}, {1, 0, 0, 1.0 / 3}}),
        dbMotif(2, "Empty", "", "MA0002.1", {})};
    const std::string body =
        "0.250000\t0.250000\t0.250000\t0.250000\t\n1.000000\t0.000000\t0.000000\t0.333333\t\n";
    struct Case {
        DatabaseLayout layout;
        void (*write)(std::ostream&, const std::vector<data>&);
        std::string expected;
        const char* file;
    };
    const Case cases[] = {
        {DatabaseLayout::Jaspar, writeJasparDatabase,
         "Motif name: AGL3\nTaxon: Plants\nMotif ID: MA0001.1\n" + body +
             "\n\nMotif name: Empty\nTaxon: \nMotif ID: MA0002.1\n\n\n",
         "jaspar_motifs.txt"},
        {DatabaseLayout::Transfac, writeTransfacDatabase,
         "Motif name: AGL3\nTaxon: Plants\nAC: MA0001.1\n" + body +
             "\n\nMotif name: Empty\nTaxon: \nAC: MA0002.1\n\n\n",
         "transfac_motifs.txt"},
        {DatabaseLayout::Uniprobe, writeUniprobeDatabase,
         "Motif name: AGL3\nSpecies: Plants\nMotif ID: MA0001.1\n" + body +
             "\n\nMotif name: Empty\nSpecies: \nMotif ID: MA0002.1\n\n\n",
         "uniprobe_motifs.txt"},
    };
    for (const Case& c : cases) {
        std::ostringstream named, byLayout;
        c.write(named, motifs);
        writeDatabaseListing(byLayout, motifs, c.layout);
        EXPECT_EQ(named.str(), c.expected) << c.file;
        EXPECT_EQ(byLayout.str(), c.expected) << c.file;
        EXPECT_STREQ(databaseListingFileName(c.layout), c.file);
    }
}

TEST(writeDatabaseListing, anEmptyStoreGivesAnEmptyListingAndTheStreamKeepsItsFormat) {
    std::ostringstream out;
    writeJasparDatabase(out, {});
    EXPECT_EQ(out.str(), "");
    writeJasparDatabase(out, {dbMotif(1, "x", "", "", {{0.5, 0.5, 0, 0}})});
    out.str("");
    out << 0.125;
    EXPECT_EQ(out.str(), "0.125");
}

// Input motifs 1 (dataset 1) and 2 (dataset 2); database motifs 1 and 2 (dataset 1).
struct MatchStores {
    std::vector<data> inputs{dbMotif(1, "alpha", "", "", {}), dbMotif(2, "beta", "", "", {})};
    std::vector<data> database{dbMotif(1, "AGL3", "", "MA0001.1", {}),
                               dbMotif(2, "RUNX1", "", "MA0002.1", {})};
    std::vector<maxScores> best{{1, 1.025, 7, 0}, {2, 0.9, 6, 0}};
    MatchStores() {
        inputs[1].datasetNumber = 2;
        inputs[1].motifNumber = 1;
    }
    DatabaseMatchStores view() const {
        return {.inputMotifs = inputs, .databaseMotifs = database, .bestOfInputs = best};
    }
};

TEST(writeCombinedScoreDatabaseList, writesNineteenTabEndedFieldsInRecordOrder) {
    const MatchStores s;
    dataCombinedScore straight;  // input motif 2 against database motif 1
    straight.motifID1 = 2;
    straight.motifID2 = 1;
    straight.matchFlag = true;
    straight.position = 3;
    straight.overlapLength = 5;
    straight.matchFormat2 = Strand::RevComp;
    straight.alignmentScore = 0.875;
    straight.similarityScore = 0.5125;
    dataCombinedScore mirrored = straight;  // database motif 2 first, input motif 1 second
    mirrored.motifID1 = 2;
    mirrored.motifID2 = 1;
    mirrored.matchFlag = false;
    mirrored.direction = Direction::Backward;
    mirrored.overlapLength = 7;
    mirrored.alignmentScore = 1.025;
    mirrored.similarityScore = 0;

    std::ostringstream out;
    out.setf(std::ios::fixed);  // a caller's fixed format must not leak into the listing
    writeCombinedScoreDatabaseList(out, {straight, mirrored}, s.view());
    EXPECT_EQ(out.str(),
              "------------------ Combined score list ----------------\n"
              "Forward\t2\t2\t1\t1\t1\tY\t2\t1\tbeta\tAGL3\t3\t5\tOriginal Motif\t"
              "Reverse Complement\t0.875\t0.025\t1\t0.5125\t\n"
              "Backward\t2\t1\t1\t2\t1\t\t2\t1\tRUNX1\talpha\t3\t7\tOriginal Motif\t"
              "Reverse Complement\t1.025\t0\t0\t0\t\n");
    EXPECT_TRUE(out.flags() & std::ios::fixed);
}

TEST(writeCombinedScoreDatabaseList, anEmptyListIsTheHeadingAlone) {
    const MatchStores s;
    std::ostringstream out;
    writeCombinedScoreDatabaseList(out, {}, s.view());
    EXPECT_EQ(out.str(), "------------------ Combined score list ----------------\n");
}

}  // namespace
