#pragma once

#include <QRectF>
#include <cstddef>
#include <optional>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"

class QPainter;

namespace korvanta {

// Paints the profile of one cycle into area (painter coordinates) on any QPainter: a widget,
// a QImage, a QSvgGenerator, a QPdfWriter or a QPrinter. The picture shows
// - the water level against time on the left axis, in cm (inch in English units),
// - the water temperature on the right axis, in degrees C (F in English units), drawn only
//   while there is water in the tub,
// - the time along the bottom in minutes ("m:ss" for a short cycle, "h:mm" for a long one),
// - each step as a band labelled with its ordinal and type, the bands alternately shaded,
// - each step's target as a dashed line across its band; a step that misses its target
//   (CourseStep::reached false) gets a red band, a red target line and a red marker.
// title (Windows-1252 bytes, may be empty) heads the picture. The background is white, so the
// picture reads the same on screen and on paper. Sizes of text and lines follow the logical
// resolution of the painter's device (designed at 96 dpi), so a 600 x 300 area on a 96 dpi
// widget looks like a 6.25 x 3.125 inch area on a printed page.
void PaintCycleProfile(QPainter &painter, const QRectF &area, const CycleCourse &course,
                       const MachineConfig &config, const std::string &title);

// Where PaintCycleProfile puts the curves inside area, on a device of the given logical dpi.
QRectF ProfilePlotRect(const QRectF &area, qreal dpi);

// What lies at x of a profile painted into area: the time, the step running then and the
// level and temperature read off the course. outside is true when x lies left or right of the
// curves (the reading is then that of the nearest end).
struct ProfileHit {
    bool outside = true;
    double seconds = 0;
    std::optional<std::size_t> step; // index into CycleCourse::steps
    double level = 0;                // level code
    double temperature = 0;          // TempCode
};
ProfileHit ProfileHitTest(const QRectF &area, qreal dpi, const CycleCourse &course, qreal x);

// The x of a time (seconds from the start of the cycle) in a profile painted into area.
qreal ProfileTimeX(const QRectF &area, qreal dpi, const CycleCourse &course, double seconds);

} // namespace korvanta
