#include "ui/ProfileExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "print/ReportFile.h"
#include "ui/ProfilePainter.h"
#include "ui/ProfileSvg.h"

namespace korvanta {

namespace {

constexpr int kPictureDpi = 96;
constexpr double kInchesPerMetre = 39.37;

// The profile as the bytes of a PNG picture; empty when it could not be encoded.
QByteArray ProfilePng(const CycleCourse &course, const MachineConfig &config,
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
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return buffer.data();
}

} // namespace

bool SaveProfilePicture(const QString &path, const CycleCourse &course, const MachineConfig &config,
                        const std::string &title, QSize size) {
    const QByteArray bytes = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                                 ? ProfileSvg(course, config, title, size)
                                 : ProfilePng(course, config, title, size);
    // Drawn in memory first, then put in place in one step: a failed export never leaves a
    // half-written picture over an earlier one.
    UserMessage message;
    return !bytes.isEmpty() && WriteReportFile(path.toStdString(), bytes.toStdString(), message);
}

} // namespace korvanta
