// Tree labels, the comma-separated text, the drawing script and the tree sections.
#include <gtest/gtest.h>

#include "tree/tree.h"

namespace {

DistanceTable threeMotifs() {
    return {{"", "Alpha", "Beta", "Gamma"},
            {"Alpha", "0", "0.25", "6"},
            {"Beta", "0.25", "0", "0.333333"},
            {"Gamma", "6", "0.333333", "0"}};
}

TEST(relabelDistanceMatrix, prefixesEveryLabelWithItsPositionInRowAndColumn) {
    for (const auto& [tree, a, b, c] :
         {std::tuple{MotifTree::AllMotifs, "I1_Alpha", "I2_Beta", "I3_Gamma"},
          std::tuple{MotifTree::GlobalMatching, "G1_Alpha", "G2_Beta", "G3_Gamma"}}) {
        DistanceTable table = threeMotifs();
        relabelDistanceMatrix(table, motifTreeLook(tree).labelPrefix);
        const DistanceTable expected = {{"", a, b, c},
                                        {a, "0", "0.25", "6"},
                                        {b, "0.25", "0", "0.333333"},
                                        {c, "6", "0.333333", "0"}};
        EXPECT_EQ(table, expected);
    }
}

TEST(relabelDistanceMatrix, staysWithinTablesOfNoneOneOrMissingRows) {
    struct Case {
        DistanceTable before, after;
    } cases[] = {
        {{}, {}},
        {{{""}}, {{""}}},
        // Row 0 longer than the table, and a row without cells.
        {{{"", "a", "b", "c"}, {"a", "0"}, {}}, {{"", "I1_a", "I2_b", "I3_c"}, {"I1_a", "0"}, {}}},
        // Names that repeat or are empty become distinct row names.
        {{{"", "NA", "NA", ""}, {"NA"}, {"NA"}, {""}},
         {{"", "I1_NA", "I2_NA", "I3_"}, {"I1_NA"}, {"I2_NA"}, {"I3_"}}},
    };
    for (Case& c : cases) {
        relabelDistanceMatrix(c.before, "I");
        EXPECT_EQ(c.before, c.after);
    }
}

TEST(distanceMatrixCsv, writesEveryCellWithItsCommaAndEveryRowOnItsLine) {
    DistanceTable table = threeMotifs();
    relabelDistanceMatrix(table, "I");
    EXPECT_EQ(distanceMatrixCsv(table),
              ",I1_Alpha,I2_Beta,I3_Gamma,\n"
              "I1_Alpha,0,0.25,6,\n"
              "I2_Beta,0.25,0,0.333333,\n"
              "I3_Gamma,6,0.333333,0,\n");
    EXPECT_EQ(distanceMatrixCsv({{""}}), ",\n");
    EXPECT_EQ(distanceMatrixCsv({}), "");
}

TEST(csvCell, quotesOnlyCellsThatWouldSplitOrEndALine) {
    const std::pair<const char*, const char*> cases[] = {
        {"I1_Alpha", "I1_Alpha"},
        {"", ""},
        {"0.333333", "0.333333"},
        {"1e-05", "1e-05"},
        {"I2_my motif", "I2_my motif"},
        {"I3_it's", "I3_it's"},
        {"I4_a;b\tc", "I4_a;b\tc"},
        {"I5_a,b", "\"I5_a,b\""},
        {"I6_say \"hi\"", "\"I6_say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"I7_a\rb", "\"I7_a\rb\""},
        {"I8_a\nb", "\"I8_a\nb\""},
    };
    for (const auto& [text, cell] : cases) EXPECT_EQ(csvCell(text), cell) << text;
}

TEST(treeScript, isTheFifteenLineScriptWithItsTwoPaths) {
    const MotifTreeFiles files =
        motifTreeFiles("/data/result/", "J_2024-05-06_4321_", MotifTree::AllMotifs);
    EXPECT_EQ(treeScript(files.matrix, files.image),
              "options(warn = -1)\n"
              "suppressMessages(require(ggplot2))\n"
              "suppressMessages(require(ggdendro))\n"
              "suppressMessages(require(dendextend))\n"
              "suppressMessages(library(ape))\n"
              "\n"
              "tb = read.csv('/data/result/J_2024-05-06_4321_Distance_Matrix.csv', row.names = 1)\n"
              "d = as.dist(tb)\n"
              "hc <- as.dendrogram(hclust(d))\n"
              "colors = c('red', 'blue', 'green4', 'black', 'brown', 'magenta', 'purple', "
              "'darkorange', 'deepskyblue', 'darkgreen')\n"
              "clus10 = cutree(hc, min(10, attr(hc, 'members')))\n"
              "png('/data/result/J_2024-05-06_4321_Motif_Tree.png', width=700, height=700)\n"
              "plot(as.phylo(hc), type = 'fan', tip.color = colors[clus10], cex = 0.7, "
              "label.offset = 0.05)\n"
              "invisible(dev.off())\n"
              "options(warn = 0)\n");
}

TEST(rPathText, escapesWhatWouldEndOrBendTheRString) {
    struct Case {
        const char* path;
        const char* read;
        const char* image;
    } cases[] = {
        {"/data/result/J_Motif_Tree.png", "/data/result/J_Motif_Tree.png",
         "/data/result/J_Motif_Tree.png"},
        {"result/x.csv", "result/x.csv", "result/x.csv"},
        {"/x/my data/it's/", "/x/my data/it\\'s/", "/x/my data/it\\'s/"},
        {"C:\\x\\", "C:\\\\x\\\\", "C:\\\\x\\\\"},
        {"/x/');unlink('/');('", "/x/\\');unlink(\\'/\\');(\\'", "/x/\\');unlink(\\'/\\');(\\'"},
        {"/x/100%done/", "/x/100%done/", "/x/100%%done/"},
        {"~/result/", "./~/result/", "./~/result/"},
        {"/x/~/", "/x/~/", "/x/~/"},
        {"/x/a\nb\r/", "/x/a\\nb\\r/", "/x/a\\nb\\r/"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rPathText(c.path, RPathUse::ReadFile), c.read) << c.path;
        EXPECT_EQ(rPathText(c.path, RPathUse::ImageDevice), c.image) << c.path;
    }
}

TEST(treeDrawingCommand, isRscriptAndTheScriptPathAsOneArgument) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/result/J_2024-05-06_4321_Plot_File.R",
         "/data/result/J_2024-05-06_4321_Plot_File.R"},
        {"/x/my dir/it's; rm -rf ~/Plot_File.R", "/x/my dir/it's; rm -rf ~/Plot_File.R"},
        {"--x/result/J_Plot_File.R", "./--x/result/J_Plot_File.R"},
        {"-e/result/J_Plot_File.R", "./-e/result/J_Plot_File.R"},
    };
    for (const auto& [path, argument] : cases)
        EXPECT_EQ(treeDrawingCommand(path), (std::vector<std::string>{"Rscript", argument}));
}

TEST(motifTreeFiles, joinFolderJobAndNameForEachTree) {
    const MotifTreeFiles all = motifTreeFiles("/data/result/", "J_2024-05-06_4321_",
                                              MotifTree::AllMotifs);
    EXPECT_EQ(all.image, "/data/result/J_2024-05-06_4321_Motif_Tree.png");
    EXPECT_EQ(all.matrix, "/data/result/J_2024-05-06_4321_Distance_Matrix.csv");
    EXPECT_EQ(all.script, "/data/result/J_2024-05-06_4321_Plot_File.R");
    const MotifTreeFiles global = motifTreeFiles("/data/result/", "J_2024-05-06_4321_",
                                                 MotifTree::GlobalMatching);
    EXPECT_EQ(global.image, "/data/result/J_2024-05-06_4321_Global_Matching_Motif_Tree.png");
    EXPECT_EQ(global.matrix, "/data/result/J_2024-05-06_4321_Global_Matching_Distance_Matrix.csv");
    EXPECT_EQ(global.script, "/data/result/J_2024-05-06_4321_Global_Matching_Plot_File.R");
}

TEST(motifTreeSection, showsTheImageBesideTheDocumentOrTheOneFileNotice) {
    const char* jobID = "J_2024-05-06_4321_";
    const std::string allTree =
        "<div class = 'boxed'>\n"
        "<b class='sansserif'><font size='2'> Motif Tree for Motifs in the Combined List "
        "</font></b>\n"
        "<br>\n"
        "<img src = 'J_2024-05-06_4321_Motif_Tree.png' style='width:660px;height:660px' >\n"
        "</div>\n";
    const std::string globalTree =
        "<div class = 'boxed'>\n"
        "<b class='sansserif'><font size='2'> Motif Tree for Global Significant Motifs and "
        "Their Best Matches </font></b>\n"
        "<br>\n"
        "<img src = 'J_2024-05-06_4321_Global_Matching_Motif_Tree.png' "
        "style='width:660px;height:660px' >\n"
        "</div>\n";
    const std::string notice =
        "<div class = 'boxed'>\n"
        "<font size='2' class='sansserif'> There is no phylogenetic tree for global significant "
        "motifs and their best matches for 1 motif file. </font>\n"
        "<br><br>\n"
        "</div>\n";
    struct Case {
        MotifTree tree;
        std::int32_t numFile;
        const std::string& section;
    } cases[] = {
        {MotifTree::AllMotifs, 1, allTree},      {MotifTree::AllMotifs, 3, allTree},
        {MotifTree::GlobalMatching, 2, globalTree}, {MotifTree::GlobalMatching, 1, notice},
        {MotifTree::GlobalMatching, 0, notice},
    };
    for (const Case& c : cases)
        EXPECT_EQ(motifTreeSection(c.tree, jobID, c.numFile), c.section) << c.numFile;
}

}  // namespace
