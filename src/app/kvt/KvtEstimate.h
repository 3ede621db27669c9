#pragma once

#include <QString>

namespace korvanta {

// kvt list FILE: a line per cycle: number TAB name TAB duration text.
int RunList(const QString &path);
// kvt steps FILE NUMBER: a line per step of the cycle numbered NUMBER:
// position TAB description TAB duration text.
int RunSteps(const QString &path, int number);
// kvt estimate FILE --json: every cycle with its steps, times, marks, descriptions and remarks.
int RunEstimateJson(const QString &path);

} // namespace korvanta
