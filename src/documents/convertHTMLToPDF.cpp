// HTML reports to PDF, each through a generated PHP script that drives the converter.
// The PDF lands beside its document under the same name.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "documents/documents.h"
#include "model/model.h"
#include "state/outsideProgram.h"

namespace {

std::string withExtension(const std::string& documentName, const char* extension) {
    return documentName.substr(0, documentName.rfind('.')) + extension;
}

void convertDocument(RunState& s, ReportDoc d) {
    const std::string name = defaultDocumentName(d);
    const std::string documentPath = s.outputPath + s.jobID + name;
    const std::string scriptPath = s.outputPath + s.jobID + withExtension(name, ".php");
    const std::string pdfPath = s.outputPath + s.jobID + withExtension(name, ".pdf");

    if (!std::ifstream(documentPath).is_open()) {
        warn(s, "Warning: " + documentPath + " is missing; no PDF made from it.");
        return;
    }
    OutsideStage stage;
    {
        // A script that cannot be opened may be someone else's file: it is not removed.
        std::ofstream script(scriptPath, std::ios::out | std::ios::trunc);
        if (script.is_open()) {
            stage.scratch(scriptPath);
            script << conversionScript(getCurrentDirectory(), documentPath);
        }
        script.close();
        if (!script) {
            warn(s, "Warning: could not write " + scriptPath + "; no PDF made from " +
                        documentPath + ".");
            return;
        }
    }

    OutsideCall php;
    php.arguments = {"php5", pathArgument(scriptPath)};
    php.product = pdfPath;
    const OutsideOutcome outcome = stage.run(php);

    if (outcome != OutsideOutcome::Made) {
        warn(s, "Warning: no PDF was made from " + documentPath + "; the HTML report is kept.");
        return;
    }
    if (s.outputFileFormat == OutputFormat::PDF) std::remove(documentPath.c_str());
}

}  // namespace

std::string phpStringEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '\'') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string conversionScript(const std::string& workingDirectory, const std::string& documentPath) {
    std::ostringstream script;
    script << "<?php\n"
           << "require '" << phpStringEscaped(workingDirectory) << "/prince.php';\n"
           << "$prince = new Prince('/usr/local/bin/prince');\n"
           << "if(!$prince) die('Cannot instantiate Prince.');\n"
           << "$prince->setHTML(TRUE);\n"
           << "$prince->setLog('prince.log');\n"
           << "$xmlPath = '" << phpStringEscaped(documentPath) << "';\n"
           << "$msgs = array();\n"
           << "$convert = $prince->convert_file($xmlPath, $msgs);\n"
           << "if(!$convert)\n"
           << "{\n"
           << "echo 'nothing converted';\n"
           << "var_dump($msgs);\n"
           << "}\n"
           << "?>\n";
    return script.str();
}

void convertHTMLToPDFGlobal(RunState& s) { convertDocument(s, ReportDoc::GlobalMatchingHTML); }
void convertHTMLToPDFGlobalDatabaseMatch(RunState& s) {
    convertDocument(s, ReportDoc::DatabaseGlobalMatchingHTML);
}
void convertHTMLToPDF(RunState& s) { convertDocument(s, ReportDoc::ResultsHTML); }
void convertHTMLToPDFDatabaseMatch(RunState& s) {
    convertDocument(s, ReportDoc::DatabaseMatchingHTML);
}
void convertHTMLToPDFMotifTreeGlobal(RunState& s) {
    convertDocument(s, ReportDoc::MotifTreeGlobal);
}
void convertHTMLToPDFMotifTree(RunState& s) { convertDocument(s, ReportDoc::MotifTree); }
