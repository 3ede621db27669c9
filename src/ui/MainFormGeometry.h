#pragma once

#include <cstdint>

namespace korvanta {

// Positions of the main window's regions, computed from the window size, the toolbar band and
// the display scale. Every design distance d becomes d x scale / 100. All y values are measured
// from the top of the toolbar band (the client area below the menu bar).
struct MainFormBox {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
};

struct MainFormGeometry {
    int scale = 100;
    int rule1X = 0;
    int rule2X = 0;
    int ruleTop = 0;
    int ruleHeight = 0;
    MainFormBox strips[3];
    int titleInset = 0; // titles sit this far inside their strip
    int titleY = 0;
    int rowR = 0; // name row, placement toggles, first type row, editors
    int addCycleY = 0;
    int cutRowY = 0;
    int buttonHeight = 0;
    int listTop = 0; // both lists; they end just above the status bar
    int editorX = 0;
    int statusPanel1 = 0;
    int statusPanel2 = 0;
    int statusPanel3 = 100;

    int Scaled(int design) const { return design * scale / 100; }
};

// The display scale: the Add Step toggle is 65 pixels wide at 100 %. Kept in one byte; a toggle
// too wide for that gives the largest scale rather than a wrapped one.
uint8_t DisplayScaleFromToggleWidth(int toggleWidth);

// width and height are the window's outer size, band the toolbar band height, bandRight the
// right edge of the toolbar band.
MainFormGeometry ComputeMainFormGeometry(int width, int height, int band, int bandRight, int scale);

// Largest size of the 280 x 170 decorative picture (scaled) that fits the free space, keeping
// its proportions.
MainFormBox FitPicture(int scale, int availableWidth, int availableHeight);

} // namespace korvanta
