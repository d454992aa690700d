// The R script that draws the motif tree, and how it is started.
#include "state/outsideProgram.h"
#include "tree/tree.h"

std::string rPathText(const std::string& path, RPathUse use) {
    std::string text;
    // R expands a leading "~" to the home folder; the program meant a folder of that name.
    if (!path.empty() && path[0] == '~') text = "./";
    for (char c : path) {
        switch (c) {
        case '\\': text += "\\\\"; break;
        case '\'': text += "\\'"; break;
        case '\n': text += "\\n"; break;
        case '\r': text += "\\r"; break;
        case '%': text += use == RPathUse::ImageDevice ? "%%" : "%"; break;
        default: text += c;
        }
    }
    return text;
}

std::string treeScript(const std::string& matrixPath, const std::string& imagePath) {
    return "options(warn = -1)\n"
           "suppressMessages(require(ggplot2))\n"
           "suppressMessages(require(ggdendro))\n"
           "suppressMessages(require(dendextend))\n"
           "suppressMessages(library(ape))\n"
           "\n"
           "tb = read.csv('" + rPathText(matrixPath, RPathUse::ReadFile) +
           "', row.names = 1)\n"
           "d = as.dist(tb)\n"
           "hc <- as.dendrogram(hclust(d))\n"
           "colors = c('red', 'blue', 'green4', 'black', 'brown', 'magenta', 'purple', "
           "'darkorange', 'deepskyblue', 'darkgreen')\n"
           // Fewer than ten motifs cannot be cut into ten clusters.
           "clus10 = cutree(hc, min(10, attr(hc, 'members')))\n"
           "png('" + rPathText(imagePath, RPathUse::ImageDevice) +
           "', width=700, height=700)\n"
           "plot(as.phylo(hc), type = 'fan', tip.color = colors[clus10], cex = 0.7, "
           "label.offset = 0.05)\n"
           "invisible(dev.off())\n"
           "options(warn = 0)\n";
}

std::vector<std::string> treeDrawingCommand(const std::string& scriptPath) {
    return {"Rscript", pathArgument(scriptPath)};
}
