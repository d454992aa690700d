// The tree sections, appended to the tree documents between their header and footer.
#include "tree/treeStages.h"

namespace {

void appendTreeSection(RunState& s, ReportDoc d, MotifTree tree) {
    std::ofstream& out = openDocument(s, d, OpenMode::Append);
    out << motifTreeSection(tree, s.jobID, s.numFile) << std::flush;
    out.close();
}

}  // namespace

void writeMotifTreeHTMLOrPDF(RunState& s) {
    appendTreeSection(s, ReportDoc::MotifTree, MotifTree::AllMotifs);
}
void writeMotifTreeGlobalHTMLOrPDF(RunState& s) {
    appendTreeSection(s, ReportDoc::MotifTreeGlobal, MotifTree::GlobalMatching);
}
