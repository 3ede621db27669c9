#pragma once

#include <QString>

#include "files/FileOptionsStore.h"

namespace korvanta {

// The program options in the per-user settings file of organisation "KVT", application
// "KorvantaPlanner": on Linux ~/.config/KVT/KorvantaPlanner.conf, the file earlier versions
// kept them in, read and written in the same format, so a user's options carry over.
class SettingsOptionsStore : public FileOptionsStore {
public:
    SettingsOptionsStore();

    // Where the settings file lies (QSettings::setPath moves it, as tests do).
    static QString SettingsFilePath();
};

} // namespace korvanta
