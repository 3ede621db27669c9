#pragma once

#include <string>

#include "comm/FrontPanel.h"

namespace korvanta {

// What the file chooser offers for controller software.
inline const FileRequest kSoftwareFileRequest{"Korvanta software", "bin", false};

// Replaces the machine's controller software with the firmware file at `path`.
bool WriteSoftware(FrontPanel &panel, const std::string &path);

} // namespace korvanta
