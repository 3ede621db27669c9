#pragma once

#include <QByteArray>
#include <QSize>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"

namespace korvanta {

// The profile of one cycle as the bytes of an SVG picture of size pixels at 96 dpi, painted by
// the cycle profile's painter under title (Windows-1252); empty when it could not be drawn.
QByteArray ProfileSvg(const CycleCourse &course, const MachineConfig &config,
                      const std::string &title, QSize size);

} // namespace korvanta
