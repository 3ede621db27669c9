#include "ui/ProfileView.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvanta {

namespace {
constexpr int kPreferredWidth = 760;
constexpr int kPreferredHeight = 340;
constexpr int kMinimumWidth = 360;
constexpr int kMinimumHeight = 200;
} // namespace

ProfileView::ProfileView(const CycleCourse &course, const MachineConfig &config, QWidget *parent)
    : QWidget(parent), course_(course), config_(config) {
    setObjectName(QStringLiteral("ProfileView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the painter covers every pixel with white first
}

void ProfileView::SetTitle(const std::string &title) {
    title_ = title;
}

ProfileHit ProfileView::HitAt(qreal x) const {
    return ProfileHitTest(QRectF(rect()), logicalDpiY(), course_, x);
}

QSize ProfileView::sizeHint() const {
    return {kPreferredWidth, kPreferredHeight};
}

QSize ProfileView::minimumSizeHint() const {
    return {kMinimumWidth, kMinimumHeight};
}

void ProfileView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRectF area(rect());
    PaintCycleProfile(painter, area, course_, config_, title_);
    if (!cursorX_)
        return;
    const ProfileHit hit = HitAt(*cursorX_);
    if (hit.outside)
        return;
    const QRectF plot = ProfilePlotRect(area, logicalDpiY());
    painter.setPen(QPen(QColor(0x30, 0x33, 0x38, 0xa0), 1, Qt::DashLine));
    painter.drawLine(QPointF(*cursorX_, plot.top()), QPointF(*cursorX_, plot.bottom()));
}

void ProfileView::mouseMoveEvent(QMouseEvent *event) {
    cursorX_ = event->position().x();
    update();
    emit Hovered(HitAt(*cursorX_), event->globalPosition().toPoint());
}

void ProfileView::leaveEvent(QEvent *event) {
    QWidget::leaveEvent(event);
    cursorX_.reset();
    update();
    emit Hovered(ProfileHit{}, QPoint());
}

} // namespace korvanta
