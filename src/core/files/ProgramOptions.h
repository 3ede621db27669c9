#pragma once

#include <string>

namespace korvanta {

// The code that, stored as "EnableDebug", switches the debug flag on.
constexpr int kDebugAccessCode = 583062;

// Per-user program options, held by the main window. Defaults are those of a fresh account.
struct ProgramOptions {
    std::string portName = "COM1";     // "Com Port"
    bool showCaption = true;           // "ShowCaption"
    bool advancedMode = false;         // "AdvancedMode"
    bool warnFileChanged = true;       // "WarnFileChanged"
    bool warnOverwriteFiles = true;    // "WarnOverwriteFiles"
    std::string lastBinDir;            // "LastBinDir" (full file paths despite the names)
    std::string lastPriceDir;          // "LastPriceDir"
    std::string lastPrintDir;          // "LastPrintDir"
    std::string lastWashdataPath;      // "LastWashdataDir"
    bool profileOpen = false;          // "ProfileOpen": the cycle profile window was open
    bool debug = false;                // "EnableDebug" == kDebugAccessCode; never written
    bool debugShortcutIsSpace = false; // "EnableDebug" holds another integer
};

} // namespace korvanta
