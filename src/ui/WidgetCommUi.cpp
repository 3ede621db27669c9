#include "ui/WidgetCommUi.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

#include "files/ChooseFile.h"
#include "platform/Cp1252.h"
#include "ui/MainFormMessage.h"

namespace korvanta {

namespace {
Answer AnswerOf(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return Answer::Ok;
    case MessageAnswer::Retry:
        return Answer::Retry;
    case MessageAnswer::Yes:
        return Answer::Yes;
    case MessageAnswer::No:
        return Answer::No;
    case MessageAnswer::Cancel:
        break;
    }
    return Answer::Cancel;
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
    // The hourglass would hide the pointer over the box.
    const bool hourglass = hourglass_;
    SetHourglass(false);
    const MessageAnswer answer = ShowUserMessage(dialog_, UserMessage{lines, icon, buttons, {}});
    SetHourglass(hourglass);
    return AnswerOf(answer);
}

std::string WidgetCommUi::ChooseFile(const FileRequest &request) {
    return chooseFile ? chooseFile(request) : std::string();
}

std::string WidgetCommUi::BackupOf(const std::string &chosen) {
    return BackupPath(chosen);
}

} // namespace korvanta
