#include "ui/ProgramBox.h"

namespace korvanta {

QMessageBox::StandardButton ShowProgramBox(QWidget *parent, QMessageBox::Icon icon,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromLatin1(kProgramBoxTitle), text, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace korvanta
