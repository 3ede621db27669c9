#pragma once

#include "files/OptionsStore.h"

namespace korvanta {

// The program options in the per-user settings of organisation "KVT", application
// "KorvantaPlanner" (on Windows the registry key HKEY_CURRENT_USER\Software\KVT\KorvantaPlanner).
// Every call opens the settings anew, so values written by another process are seen.
class SettingsOptionsStore : public OptionsStore {
public:
    bool KeyExists() const override;
    StringOption GetString(const std::string &name) const override;
    // Settings files keep numbers as text: only an optional sign and digits that fit an int
    // count as an integer ("3.5", " 42 " and overflowing numbers do not).
    IntegerOption GetInteger(const std::string &name) const override;
    bool Write(const std::vector<OptionEntry> &entries) override;
};

} // namespace korvanta
