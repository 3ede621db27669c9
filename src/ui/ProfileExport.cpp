#include "ui/ProfileExport.h"

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "platform/Cp1252.h"
#include "ui/ProfilePainter.h"

namespace korvanta {

namespace {

constexpr int kPictureDpi = 96;
constexpr double kInchesPerMetre = 39.37;

bool SaveSvg(const QString &path, const CycleCourse &course, const MachineConfig &config,
             const std::string &title, QSize size) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kPictureDpi);
    svg.setTitle(FromCp1252(title));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintCycleProfile(painter, QRectF(QPointF(0, 0), size), course, config, title);
    return painter.end();
}

bool SavePng(const QString &path, const CycleCourse &course, const MachineConfig &config,
             const std::string &title, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(kPictureDpi * kInchesPerMetre + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintCycleProfile(painter, QRectF(QPointF(0, 0), size), course, config, title);
    }
    return image.save(path, "PNG");
}

} // namespace

bool SaveProfilePicture(const QString &path, const CycleCourse &course, const MachineConfig &config,
                        const std::string &title, QSize size) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return SaveSvg(path, course, config, title, size);
    return SavePng(path, course, config, title, size);
}

} // namespace korvanta
