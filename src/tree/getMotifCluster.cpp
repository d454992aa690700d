// The tree files of a run: the relabelled distance table, its drawing script, and the
// image that Rscript draws from them beside the reports.
#include <fstream>

#include "state/outsideProgram.h"
#include "tree/treeStages.h"

namespace {

// False when the file was opened but not written in full (a full disk): R would draw a
// tree of whatever part arrived, so none is drawn.
bool writeTreeFile(RunState& s, const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file.is_open()) fatal(s, Fatal::BadOutputPath);
    file << text;
    file.close();
    if (file) return true;
    warn(s, "Warning: could not write " + path + " in full; no motif tree is drawn from it.");
    return false;
}

void drawMotifTree(RunState& s, DistanceTable& table, MotifTree tree) {
    const MotifTreeFiles files = motifTreeFiles(s.outputPath, s.jobID, tree);
    relabelDistanceMatrix(table, motifTreeLook(tree).labelPrefix);
    const bool matrixWritten = writeTreeFile(s, files.matrix, distanceMatrixCsv(table));
    const bool scriptWritten =
        writeTreeFile(s, files.script, treeScript(files.matrix, files.image));
    if (!matrixWritten || !scriptWritten) return;

    // R's own output goes to standard error: the console keeps only the program's lines.
    OutsideCall rscript;
    rscript.arguments = treeDrawingCommand(files.script);
    rscript.product = files.image;
    switch (runOutsideProgram(rscript)) {
    case OutsideOutcome::Made: return;
    case OutsideOutcome::Failed:
        warn(s, "Warning: R drew no motif tree " + files.image);
        return;
    case OutsideOutcome::NotStarted:
        warn(s, "Warning: Rscript could not be started; no motif tree " + files.image);
        return;
    }
}

}  // namespace

void getMotifCluster(RunState& s) { drawMotifTree(s, s.distanceMatrix, MotifTree::AllMotifs); }
void getMotifClusterGlobal(RunState& s) {
    drawMotifTree(s, s.distanceMatrixGlobal, MotifTree::GlobalMatching);
}
