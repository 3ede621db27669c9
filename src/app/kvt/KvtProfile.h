#pragma once

#include <QString>

namespace korvanta {

enum class ProfileFormat { Csv, Json, Svg };

struct KvtProfileOptions {
    ProfileFormat format = ProfileFormat::Csv;
    QString svg; // the picture's file, for ProfileFormat::Svg
};

// kvt profile FILE NUMBER --csv | --json | --svg OUT: the course of the cycle numbered NUMBER
// through the tub, from the same walk that gives the steps their times. CSV and JSON go to
// stdout: levels in the configured unit (cm or inch), temperatures in degrees C or F.
int RunProfile(const QString &path, int number, const KvtProfileOptions &options);

} // namespace korvanta
