#pragma once

#include <QString>

namespace korvanta {

// kvt info FILE: the header, one "name TAB value" line per field, and the file size the data
// takes when saved.
int RunInfo(const QString &path);
// kvt dump FILE: a heading line, then every record as the raw lists show it, tab-separated.
int RunDump(const QString &path);
// kvt resave IN OUT: load as the editor loads, save as the editor saves.
int RunResave(const QString &in, const QString &out);

} // namespace korvanta
