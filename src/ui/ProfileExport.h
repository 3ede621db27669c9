#pragma once

#include <QSize>
#include <QString>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"

namespace korvanta {

// The size of an exported cycle profile, in pixels at 96 dpi.
constexpr int kProfileExportWidth = 1200;
constexpr int kProfileExportHeight = 560;

// Writes the profile of one cycle as a picture: SVG when path ends in ".svg" (any case), PNG
// otherwise, replacing an earlier picture in one step. Returns false when the file cannot be
// written; an earlier picture then stays as it was.
bool SaveProfilePicture(const QString &path, const CycleCourse &course, const MachineConfig &config,
                        const std::string &title,
                        QSize size = QSize(kProfileExportWidth, kProfileExportHeight));

} // namespace korvanta
