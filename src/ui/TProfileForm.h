#pragma once

#include <QWidget>
#include <string>

#include "config/MachineConfig.h"
#include "estimate/CycleCourse.h"
#include "ui/ProfilePainter.h"

class QLabel;
class QPushButton;

namespace korvanta {

class EditSession;
class ProfileView;

// "Cycle profile": a tool window beside the main window that draws the water level and
// temperature of the current cycle against time, as the estimate's walk simulates them. The
// main window calls Refresh after every change, so the drawing follows each edit. The mouse
// shows the time, level and temperature under it and the description of the step there; the
// drawing can be saved as PNG or SVG.
class TProfileForm : public QWidget {
    Q_OBJECT
public:
    TProfileForm(EditSession &session, const MachineConfig &config, QWidget *parent = nullptr);

    // Estimates the current cycle again and redraws; does nothing while the window is hidden.
    void Refresh();
    const CycleCourse &Course() const { return course_; }
    const std::string &Title() const { return title_; }

    // Writes the drawing of the current cycle (SVG for ".svg", else PNG); shows
    // "Unable to save " + path when the file cannot be written.
    bool SavePicture(const QString &path);

signals:
    // The window was shown or hidden (also by its close button).
    void VisibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ShowHover(const ProfileHit &hit, QPoint globalPos);
    void ChooseAndSave(const QString &filter, const QString &suffix);
    QString DefaultFileName(const QString &suffix) const;

    EditSession &session_;
    const MachineConfig &config_;
    CycleCourse course_;
    std::string title_;
    int cycleNumber_ = 0;
    ProfileView *view_ = nullptr;
    QLabel *readout_ = nullptr;
    QPushButton *savePng_ = nullptr;
    QPushButton *saveSvg_ = nullptr;
    bool placed_ = false;
};

} // namespace korvanta
