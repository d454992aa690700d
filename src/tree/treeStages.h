// The motif tree stages of a run: the tree files that R draws from, and the tree sections
// of the two tree documents.
#pragma once

#include "state/state.h"
#include "tree/tree.h"

// Relabel the distance table in place, write it and its drawing script into the output
// folder (a file that cannot be opened ends the run) and have Rscript draw the tree
// image. A tree that is not drawn is warned about; the run goes on.
void getMotifCluster(RunState& s);        // every input motif: distanceMatrix
void getMotifClusterGlobal(RunState& s);  // the global matches: distanceMatrixGlobal

// Append the tree section to the tree document: the image by its bare name, or, for the
// global tree of a one-file run, the notice that there is none.
void writeMotifTreeHTMLOrPDF(RunState& s);
void writeMotifTreeGlobalHTMLOrPDF(RunState& s);
