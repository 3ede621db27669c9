#include "ui/ReportPdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/ReportFile.h"
#include "print/ReportTexts.h"
#include "ui/ReportPainter.h"

namespace korvanta {

namespace {

constexpr int kPdfDpi = 1200;
constexpr double kDefaultMarginPoints = 10;

} // namespace

QPageLayout DefaultReportLayout() {
    const QMarginsF margins(kDefaultMarginPoints, kDefaultMarginPoints, kDefaultMarginPoints,
                            kDefaultMarginPoints);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                       QPageLayout::Point);
}

QByteArray ReportPdf(const QPageLayout &layout, const ReportOps &build,
                     const ProfileDrawer &profiles) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(layout);
        writer.setTitle(QString::fromStdString(ReportProgramTitle()));
        writer.setCreator(QString::fromStdString(ReportProgramTitle()));
        const std::vector<DrawOp> ops = build(DevicePage(writer), ReportTextWidth(writer));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        painted = PaintReportOps(painter, writer, ops, profiles);
        painted = painter.end() && painted;
    }
    return painted ? buffer.data() : QByteArray();
}

bool SaveReportPdf(const std::string &path, const QPageLayout &layout, const ReportOps &build,
                   const ProfileDrawer &profiles, UserMessage &message) {
    const QByteArray pdf = ReportPdf(layout, build, profiles);
    if (pdf.isEmpty()) {
        message = ErrorMessage("Unable to save " + path);
        return false;
    }
    return WriteReportFile(path, pdf.toStdString(), message);
}

} // namespace korvanta
