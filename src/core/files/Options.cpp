#include "files/Options.h"

#include <array>

namespace korvanta {

namespace {

using namespace option_names;

// Reads the four switches in order; returns false at the first one that is missing or not an
// integer, which ends the reading of options there.
bool ReadSwitches(const OptionsStore &store, ProgramOptions &options) {
    const std::array<std::pair<const char *, bool ProgramOptions::*>, 4> switches = {{
        {kShowCaption, &ProgramOptions::showCaption},
        {kAdvancedMode, &ProgramOptions::advancedMode},
        {kWarnFileChanged, &ProgramOptions::warnFileChanged},
        {kWarnOverwriteFiles, &ProgramOptions::warnOverwriteFiles},
    }};
    for (const auto &[name, member] : switches) {
        const IntegerOption value = store.GetInteger(name);
        if (value.status != OptionStatus::Ok)
            return false;
        options.*member = value.value != 0;
    }
    return true;
}

void ReadPath(const OptionsStore &store, const char *name, std::string &path) {
    const StringOption value = store.GetString(name);
    if (value.status == OptionStatus::Ok)
        path = value.value;
}

void ReadDebugCode(const OptionsStore &store, ProgramOptions &options) {
    const IntegerOption code = store.GetInteger(kEnableDebug);
    if (code.status != OptionStatus::Ok)
        return;
    options.debug = code.value == kDebugAccessCode;
    options.debugShortcutIsSpace = !options.debug;
}

} // namespace

ProgramOptions ReadOptions(const OptionsStore &store) {
    ProgramOptions options;
    if (!store.KeyExists())
        return options;
    const StringOption port = store.GetString(kComPort);
    if (port.status == OptionStatus::Ok && !port.value.empty())
        options.portName = port.value;
    const IntegerOption profile = store.GetInteger(kProfileOpen);
    options.profileOpen = profile.status == OptionStatus::Ok && profile.value != 0;
    if (!ReadSwitches(store, options))
        return options;
    ReadPath(store, kLastBinDir, options.lastBinDir);
    ReadPath(store, kLastPriceDir, options.lastPriceDir);
    ReadPath(store, kLastPrintDir, options.lastPrintDir);
    ReadPath(store, kLastWashdataDir, options.lastWashdataPath);
    ReadDebugCode(store, options);
    return options;
}

SaveOptionsResult SaveOptions(OptionsStore &store, const ProgramOptions &options) {
    const std::vector<OptionEntry> entries = {
        {kComPort, options.portName},
        {kShowCaption, options.showCaption ? 1 : 0},
        {kAdvancedMode, options.advancedMode ? 1 : 0},
        {kWarnFileChanged, options.warnFileChanged ? 1 : 0},
        {kWarnOverwriteFiles, options.warnOverwriteFiles ? 1 : 0},
        {kLastBinDir, options.lastBinDir},
        {kLastPriceDir, options.lastPriceDir},
        {kLastPrintDir, options.lastPrintDir},
        {kLastWashdataDir, options.lastWashdataPath},
        {kProfileOpen, options.profileOpen ? 1 : 0},
    };
    if (store.Write(entries))
        return {};
    return {false, kErrorWritingOptions};
}

CaptionLayout CaptionLayoutFor(bool showCaption) {
    if (showCaption)
        return {true, 38, 38, 40, 42};
    return {false, 24, 24, 26, 28};
}

} // namespace korvanta
