// The constants of the two trees and the paths of their files.
#include <array>

#include "tree/tree.h"

namespace {

constexpr std::array<MotifTreeLook, 2> kLooks{{
    {.labelPrefix = "I",
     .matrixFile = "Distance_Matrix.csv",
     .scriptFile = "Plot_File.R",
     .imageFile = "Motif_Tree.png",
     .boxTitle = " Motif Tree for Motifs in the Combined List "},
    {.labelPrefix = "G",
     .matrixFile = "Global_Matching_Distance_Matrix.csv",
     .scriptFile = "Global_Matching_Plot_File.R",
     .imageFile = "Global_Matching_Motif_Tree.png",
     .boxTitle = " Motif Tree for Global Significant Motifs and Their Best Matches "},
}};

}  // namespace

const MotifTreeLook& motifTreeLook(MotifTree tree) {
    return kLooks[static_cast<std::size_t>(tree)];
}

MotifTreeFiles motifTreeFiles(const std::string& outputPath, const std::string& jobID,
                              MotifTree tree) {
    const MotifTreeLook& look = motifTreeLook(tree);
    const std::string folder = outputPath + jobID;
    return {.image = folder + look.imageFile,
            .matrix = folder + look.matrixFile,
            .script = folder + look.scriptFile};
}
