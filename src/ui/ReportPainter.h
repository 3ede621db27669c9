#pragma once

#include <QFont>
#include <QRectF>
#include <cstddef>
#include <functional>
#include <vector>

#include "print/DrawOp.h"
#include "print/TextWidth.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace korvanta {

// The report's proportional font: Liberation Sans or Nimbus Sans where installed (both keep
// the widths of the usual office sans serif, so a heading measured here fits on every
// printer), else the platform's sans serif.
QFont ReportFont(int points, bool bold);

// Widths of texts in the report font as drawn on this device.
TextWidth ReportTextWidth(const QPaintDevice &device);

// The device's printable area in device pixels and its resolution.
ReportPage DevicePage(const QPaintDevice &device);

// Draws the profile of the cycle whose CycleStart is at record cycleStart into rect.
using ProfileDrawer =
    std::function<void(QPainter &painter, const QRectF &rect, std::size_t cycleStart)>;

// Draws the operations on an open painter, black on white; a NewPage operation asks the
// device for the next page, a Profile operation the drawer (none given: left blank). False as
// soon as the device refuses a new page.
bool PaintReportOps(QPainter &painter, QPagedPaintDevice &device, const std::vector<DrawOp> &ops,
                    const ProfileDrawer &profiles = {});

} // namespace korvanta
