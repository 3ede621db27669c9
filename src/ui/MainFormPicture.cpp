#include "ui/MainFormPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace korvanta {

namespace {

constexpr int kWidth = 280;
constexpr int kHeight = 170;

void DrawCabinet(QPainter &painter, const QRectF &body) {
    QLinearGradient steel(body.topLeft(), body.topRight());
    steel.setColorAt(0, QColor(0xd9, 0xde, 0xe4));
    steel.setColorAt(0.5, QColor(0xf5, 0xf7, 0xf9));
    steel.setColorAt(1, QColor(0xb9, 0xc0, 0xc8));
    painter.setPen(QPen(QColor(0x5a, 0x63, 0x6e), 2));
    painter.setBrush(steel);
    painter.drawRoundedRect(body, 6, 6);
    const QRectF panel(body.left() + 8, body.top() + 8, body.width() - 16, 24);
    painter.setBrush(QColor(0x2c, 0x3e, 0x55));
    painter.drawRoundedRect(panel, 3, 3);
    painter.setBrush(QColor(0x7f, 0xe0, 0x8a));
    painter.drawRect(QRectF(panel.left() + 8, panel.top() + 6, 38, 12));
    painter.setBrush(QColor(0xe0, 0x5a, 0x4a));
    painter.drawEllipse(QPointF(panel.right() - 14, panel.center().y()), 6, 6);
}

void DrawDoor(QPainter &painter, const QPointF &centre, qreal radius) {
    painter.setPen(QPen(QColor(0x4a, 0x52, 0x5c), 5));
    painter.setBrush(QColor(0xc8, 0xcd, 0xd3));
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient glass(centre, radius * 0.8);
    glass.setColorAt(0, QColor(0x9c, 0xc9, 0xf0));
    glass.setColorAt(1, QColor(0x2f, 0x6d, 0xb0));
    painter.setPen(QPen(QColor(0x33, 0x3a, 0x42), 2));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius * 0.78, radius * 0.78);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(
        QRectF(centre.x() - radius * 0.55, centre.y() - radius * 0.55, radius * 1.1, radius * 1.1),
        100 * 16, 60 * 16);
}

} // namespace

QPixmap DrawMachinePicture() {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(150, 6, 124, 158);
    DrawCabinet(painter, body);
    DrawDoor(painter, QPointF(body.center().x(), body.top() + 96), 44);
    painter.setPen(QColor(0x1f, 0x4e, 0x8c));
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 40, 145, 40), Qt::AlignCenter, QStringLiteral("Korvanta"));
    font.setPixelSize(15);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRectF(0, 76, 145, 30), Qt::AlignCenter, QStringLiteral("Planner"));
    return pixmap;
}

} // namespace korvanta
