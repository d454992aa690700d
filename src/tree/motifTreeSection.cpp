// The tree sections appended between the header and the footer of the tree documents.
#include "model/model.h"
#include "tree/tree.h"

std::string motifTreeSection(MotifTree tree, const std::string& jobID, std::int32_t numFile) {
    if (tree == MotifTree::GlobalMatching && numFile <= 1)
        return "<div class = 'boxed'>\n"
               "<font size='2' class='sansserif'> There is no phylogenetic tree for global "
               "significant motifs and their best matches for 1 motif file. </font>\n"
               "<br><br>\n"
               "</div>\n";
    const MotifTreeLook& look = motifTreeLook(tree);
    // The bare file name: the image lies beside the document.
    return std::string("<div class = 'boxed'>\n") +
           "<b class='sansserif'><font size='2'>" + look.boxTitle + "</font></b>\n" +
           "<br>\n" +
           "<img src = '" + htmlEscaped(jobID, true) + look.imageFile +
           "' style='width:660px;height:660px' >\n" +
           "</div>\n";
}
