#pragma once

#include <string>

#include "files/OptionsStore.h"
#include "files/ProgramOptions.h"

namespace korvanta {

// Value names under the options key.
namespace option_names {
constexpr const char *kComPort = "Com Port";
constexpr const char *kShowCaption = "ShowCaption";
constexpr const char *kAdvancedMode = "AdvancedMode";
constexpr const char *kWarnFileChanged = "WarnFileChanged";
constexpr const char *kWarnOverwriteFiles = "WarnOverwriteFiles";
constexpr const char *kLastBinDir = "LastBinDir";
constexpr const char *kLastPriceDir = "LastPriceDir";
constexpr const char *kLastPrintDir = "LastPrintDir";
constexpr const char *kLastWashdataDir = "LastWashdataDir";
constexpr const char *kEnableDebug = "EnableDebug";
constexpr const char *kProfileOpen = "ProfileOpen";
} // namespace option_names

constexpr const char *kErrorWritingOptions = "Error writing options!";

// Defaults first, then what the store holds. The four switches are read in a fixed order and
// the first one that is missing or not an integer ends the reading: it, the switches after it,
// the remembered paths and the debug code all keep their defaults. "ProfileOpen" came later
// and is read on its own: missing or not an integer, the profile starts closed.
ProgramOptions ReadOptions(const OptionsStore &store);

struct SaveOptionsResult {
    bool ok = true;
    std::string message; // kErrorWritingOptions when the store refused; shown with an error icon
};

// Writes every option except "EnableDebug", which is read only.
SaveOptionsResult SaveOptions(OptionsStore &store, const ProgramOptions &options);

// Toolbar sizes that follow the "ShowCaption" option (pixels).
struct CaptionLayout {
    bool captionsShown;
    int toolbarHeight;
    int buttonHeight;
    int buttonWidth;
    int bandHeight;
};

CaptionLayout CaptionLayoutFor(bool showCaption);

} // namespace korvanta
