#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace korvanta {

// The title of every message box without a caption of its own: the program's name as the user
// reads it. It is given to each box rather than set as the application's display name, because
// the desktop would then add the display name to every window title as well.
inline constexpr char kProgramBoxTitle[] = "Korvanta Planner";

// Shows a modal box titled with the program's name and returns the button pressed.
QMessageBox::StandardButton ShowProgramBox(QWidget *parent, QMessageBox::Icon icon,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons);

} // namespace korvanta
