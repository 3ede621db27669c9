#include "ui/WidgetCommUi.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

#include <algorithm>

#include "platform/Cp1252.h"

namespace korvanta {

namespace {
QMessageBox::Icon BoxIconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Error:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::CancelRetry:
        return QMessageBox::Cancel | QMessageBox::Retry;
    case BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

// A box closed without a button counts as Cancel.
Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
} // namespace

WidgetCommUi::~WidgetCommUi() {
    SetHourglass(false);
}

void WidgetCommUi::SetStatus(int panel, const std::string &text) {
    QLabel *label = panel == kMainPanel ? main_ : detail_;
    if (label)
        label->setText(FromCp1252(text));
}

void WidgetCommUi::ShowGauge(bool visible) {
    if (gauge_)
        gauge_->setVisible(visible);
}

void WidgetCommUi::SetGauge(int percent) {
    if (gauge_)
        gauge_->setValue(std::clamp(percent, 0, 100));
}

void WidgetCommUi::SetHourglass(bool on) {
    if (on == hourglass_)
        return;
    hourglass_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void WidgetCommUi::EnableTransfers(bool enabled) {
    if (enableTransfers)
        enableTransfers(enabled);
}

void WidgetCommUi::Repaint() {
    dialog_->repaint();
}

void WidgetCommUi::ProcessEvents() {
    QCoreApplication::processEvents();
}

Answer WidgetCommUi::Ask(const std::string &text, BoxIcon icon, BoxButtons buttons) {
    std::string lines = text;
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    QMessageBox box(BoxIconOf(icon), QGuiApplication::applicationDisplayName(), FromCp1252(lines),
                    ButtonsOf(buttons), dialog_);
    // The hourglass would hide the pointer over the box.
    const bool hourglass = hourglass_;
    SetHourglass(false);
    const int button = box.exec();
    SetHourglass(hourglass);
    return AnswerOf(button);
}

std::string WidgetCommUi::ChooseFile(const FileRequest &request) {
    return chooseFile ? chooseFile(request) : std::string();
}

} // namespace korvanta
