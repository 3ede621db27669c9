#pragma once

#include <QString>

namespace korvanta {

// "Korvanta Planner Instructions.pdf"
extern const char *const kHelpDocumentName;

// The instructions document that Help opens. A copy in the user's data folder wins; otherwise
// the one installed with the program, in share/korvanta-planner beside the program's bin
// folder. When neither exists, path is the data folder's copy, which the warning names.
struct HelpDocument {
    QString path;
    bool exists = false;
};

// dataFolder ends with a separator; programFolder is the folder of the running program.
HelpDocument FindHelpDocument(const QString &dataFolder, const QString &programFolder);

} // namespace korvanta
