#pragma once

#include <QString>

namespace korvanta {

// kvt info FILE: the header, one "name TAB value" line per field, and the file size the data
// takes when saved.
int RunInfo(const QString &path);
// kvt dump FILE [--heading]: every record as the debug window shows it after a load (times
// estimated), tab-separated; the column headings first when asked for.
int RunDump(const QString &path, bool heading);
// kvt resave IN OUT: load as the editor loads, save as the editor saves.
int RunResave(const QString &in, const QString &out);

} // namespace korvanta
