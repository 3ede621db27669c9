#pragma once

#include <vector>

class QWidget;

namespace korvanta {

struct MainFormGeometry;
struct MainFormPanels;

// Where the window's client area ends: the toolbar band on top, the status bar at the bottom
// (its top, measured from the top of the band), and the band's right edge.
struct MainFormFrame {
    int band = 0;
    int statusTop = 0;
    int bandRight = 0;
};

// Places the three columns by the geometry. The panels live in the central widget, whose top
// is the bottom of the toolbar band. editors are the step editor panels (column 3).
void ApplyMainFormLayout(const MainFormPanels &panels, const MainFormGeometry &geometry,
                         const MainFormFrame &frame, const std::vector<QWidget *> &editors);

} // namespace korvanta
