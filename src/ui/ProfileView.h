#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"
#include "ui/ProfilePainter.h"

namespace korvanta {

// The drawing of the cycle profile inside TProfileForm: paints the course it is given and a
// cursor line where the mouse is, and tells what lies under the mouse.
class ProfileView : public QWidget {
    Q_OBJECT
public:
    ProfileView(const CycleCourse &course, const MachineConfig &config, QWidget *parent = nullptr);

    void SetTitle(const std::string &title); // Windows-1252 bytes
    const std::string &Title() const { return title_; }
    // The reading at a widget x (what the mouse shows when it is there).
    ProfileHit HitAt(qreal x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The mouse moved over the drawing; outside when it left the curves or the widget.
    void Hovered(const ProfileHit &hit, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const CycleCourse &course_;
    const MachineConfig &config_;
    std::string title_;
    std::optional<qreal> cursorX_;
};

} // namespace korvanta
