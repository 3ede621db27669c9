#pragma once

#include <cstddef>
#include <string>

namespace korvanta {

// The printable area of a page in device pixels and the device's resolution in dots per inch.
struct ReportPage {
    int width = 0;
    int height = 0;
    int dpi = 600;
};

enum class DrawKind {
    NewPage,   // ends the page and starts the next
    Font,      // size (points) and weight of the texts that follow
    Text,      // text with its top-left corner at (x, y)
    TextRight, // text whose right end is at x, top at y
    Line,      // from (x, y) to (x2, y2), pen size pixels wide
    Profile,   // the course of the cycle at record cycleStart, drawn into (x, y)-(x2, y2)
};

// One operation of the printed report; coordinates in device pixels from the top-left corner
// of the printable area. Pen and text are black on white throughout.
struct DrawOp {
    DrawKind kind = DrawKind::NewPage;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    int size = 0; // Font: points; Line: pen width in pixels
    bool bold = false;
    std::string text;           // Windows-1252
    std::size_t cycleStart = 0; // Profile: index of the cycle's CycleStart record

    bool operator==(const DrawOp &other) const = default;
};

// One line describing the operation, for golden files and test messages:
// "page", "font 9 bold", "text 479 249 Cycle 3: COTTON", "right ...", "line 479 214 ... 19",
// "profile 479 1210 9104 6000 cycle 5".
std::string DrawOpText(const DrawOp &op);

} // namespace korvanta
