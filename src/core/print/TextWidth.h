#pragma once

#include <functional>
#include <string>

namespace korvanta {

// The width in device pixels of a Windows-1252 text set in the report's font at a size in
// points, regular or bold, on the page being laid out. The painter that draws the report
// supplies it, so the layout measures with the very font the page is printed in.
using TextWidth = std::function<int(const std::string &text, int points, bool bold)>;

} // namespace korvanta
