#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace korvanta {

// Texts of files, machines and core messages are single bytes in Windows-1252.
QString FromCp1252(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string ToCp1252(const QString &text);

} // namespace korvanta
