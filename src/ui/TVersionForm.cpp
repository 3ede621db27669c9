#include "ui/TVersionForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "comm/BoardInfo.h"
#include "comm/CommTexts.h"
#include "platform/Cp1252.h"

namespace korvanta {

namespace {
constexpr int kStatusPanelWidth = 150; // pixels
} // namespace

TVersionForm::TVersionForm(SerialPort &port, std::string portName, QWidget *parent)
    : QDialog(parent), port_(port), portName_(std::move(portName)), ui_(this),
      panel_(port, ui_, state_) {
    setObjectName(QStringLiteral("TVersionForm"));
    setWindowTitle(QStringLiteral("Board info"));
    auto *grid = new QGridLayout;
    values_[0] = AddLine(grid, 0, "Planner software :", "Label6");
    values_[1] = AddLine(grid, 1, "Boot software :", "Label7");
    values_[2] = AddLine(grid, 2, "Firmware :", "Label8");
    values_[3] = AddLine(grid, 3, "Keyboard software :", "Label9");
    values_[4] = AddLine(grid, 4, "Hardware version :", "Label10");
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtnOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status_ = new QLabel(status);
    status_->setObjectName(QStringLiteral("StatusPanel0"));
    status_->setMinimumWidth(kStatusPanelWidth);
    status->addWidget(status_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->addWidget(status);
    ui_.SetPanels(status_, nullptr);
}

QLabel *TVersionForm::AddLine(QGridLayout *grid, int row, const char *caption, const char *name) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
    auto *value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(name));
    grid->addWidget(value, row, 1);
    return value;
}

void TVersionForm::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // After the window is on screen, so that the hourglass and the status are seen.
    QTimer::singleShot(0, this, &TVersionForm::FormActivate);
}

// The request runs once: coming back from its own question box neither repeats it nor opens
// the port a second time.
void TVersionForm::FormActivate() {
    if (requested_)
        return;
    requested_ = true;
    values_[0]->setText(QString::fromStdString(PlannerVersionText()));
    const BoardInfo info = RequestBoardInfo(panel_, portName_);
    if (!info.portOpened) {
        values_[0]->clear();
        return;
    }
    const std::string *texts[] = {&info.texts.boot, &info.texts.firmware, &info.texts.keyboard,
                                  &info.texts.hardware};
    for (int i = 0; i < 4; ++i)
        values_[i + 1]->setText(info.cancelled ? QString::fromLatin1(texts::kNoConnectionLabel)
                                               : FromCp1252(*texts[i]));
}

} // namespace korvanta
