#include "ui/ReportPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

#include "platform/Cp1252.h"

namespace korvanta {

namespace {

constexpr int kTextFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

QString ReportFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char *family : {"Liberation Sans", "Nimbus Sans"})
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont FontOf(const QString &family, int points, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}

class OpPainter {
public:
    OpPainter(QPainter &painter, QPagedPaintDevice &device, const ProfileDrawer &profiles)
        : painter_(painter), device_(device), profiles_(profiles) {}

    bool Paint(const DrawOp &op) {
        switch (op.kind) {
        case DrawKind::NewPage:
            return device_.newPage();
        case DrawKind::Font:
            painter_.setFont(FontOf(family_, op.size, op.bold));
            break;
        case DrawKind::Text:
            painter_.drawText(QRect(op.x, op.y, Room(), Room()), Qt::AlignLeft | kTextFlags,
                              FromCp1252(op.text));
            break;
        case DrawKind::TextRight:
            painter_.drawText(QRect(op.x - Room(), op.y, Room(), Room()),
                              Qt::AlignRight | kTextFlags, FromCp1252(op.text));
            break;
        case DrawKind::Line:
            painter_.setPen(QPen(Qt::black, op.size, Qt::SolidLine, Qt::FlatCap));
            painter_.drawLine(op.x, op.y, op.x2, op.y2);
            break;
        case DrawKind::Profile:
            DrawProfile(op);
            break;
        }
        return true;
    }

private:
    // Room enough for any line of text: the whole page width.
    int Room() const { return device_.width(); }

    // The profile painter sets its own pens and fonts: the report's are restored after it.
    void DrawProfile(const DrawOp &op) {
        if (!profiles_)
            return;
        painter_.save();
        profiles_(painter_, QRectF(QPointF(op.x, op.y), QPointF(op.x2, op.y2)), op.cycleStart);
        painter_.restore();
    }

    QPainter &painter_;
    QPagedPaintDevice &device_;
    const ProfileDrawer &profiles_;
    const QString family_ = ReportFamily();
};

} // namespace

QFont ReportFont(int points, bool bold) {
    return FontOf(ReportFamily(), points, bold);
}

TextWidth ReportTextWidth(const QPaintDevice &device) {
    return [family = ReportFamily(), measured = &device](const std::string &text, int points,
                                                         bool bold) {
        const QFontMetricsF metrics(FontOf(family, points, bold), measured);
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(FromCp1252(text))));
    };
}

ReportPage DevicePage(const QPaintDevice &device) {
    return ReportPage{device.width(), device.height(), device.logicalDpiY()};
}

bool PaintReportOps(QPainter &painter, QPagedPaintDevice &device, const std::vector<DrawOp> &ops,
                    const ProfileDrawer &profiles) {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    OpPainter draw(painter, device, profiles);
    for (const DrawOp &op : ops)
        if (!draw.Paint(op))
            return false;
    return true;
}

} // namespace korvanta
