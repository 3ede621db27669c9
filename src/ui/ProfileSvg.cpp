#include "ui/ProfileSvg.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "platform/Cp1252.h"
#include "ui/ProfilePainter.h"

namespace korvanta {

namespace {

constexpr int kPictureDpi = 96;

} // namespace

QByteArray ProfileSvg(const CycleCourse &course, const MachineConfig &config,
                      const std::string &title, QSize size) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kPictureDpi);
    svg.setTitle(FromCp1252(title));
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    PaintCycleProfile(painter, QRectF(QPointF(0, 0), size), course, config, title);
    if (!painter.end())
        return {};
    return buffer.data();
}

} // namespace korvanta
