#include "ui/TOptionsForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "files/Options.h"
#include "ui/OkCancelButtons.h"
#include "ui/ProgramBox.h"
#include "ui/steps/StepControls.h"

namespace korvanta {

QStringList SystemSerialPorts() {
    QStringList names;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        names << port.portName();
    return names;
}

TOptionsForm::TOptionsForm(ProgramOptions &options, OptionsStore &store, QWidget *parent)
    : QDialog(parent), options_(options), store_(store), listPorts_(SystemSerialPorts) {
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(QStringLiteral("Program options menu"));
    setModal(true);

    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("cbComport"));
    ports_->setPlaceholderText(QStringLiteral("Select port"));
    ports_->setMinimumWidth(140);
    // Enabled once the machine communication provides the detection.
    detectButton_ = new QPushButton(QStringLiteral("&Auto detect"), this);
    detectButton_->setObjectName(QStringLiteral("btnDetect"));
    detectButton_->setEnabled(false);
    connect(detectButton_, &QPushButton::clicked, this, [this] {
        if (detect_)
            detect_(ports_);
    });
    advancedMode_ =
        MakeToggleButton(QStringLiteral("sbAdvancedMode"), QStringLiteral("Advanced mode"), this);
    showCaption_ =
        MakeToggleButton(QStringLiteral("sbShowCaption"), QStringLiteral("Show caption"), this);
    warnFileChanged_ = MakeToggleButton(QStringLiteral("sbWarnFileChanged"),
                                        QStringLiteral("Warn if file is changed"), this);
    warnOverwrite_ = MakeToggleButton(QStringLiteral("sbWarnOverwriteFiles"),
                                      QStringLiteral("Warn if replacing files"), this);
    for (QPushButton *toggle : {advancedMode_, showCaption_, warnFileChanged_, warnOverwrite_})
        toggle->setCheckable(true);

    const OkCancelButtons buttons = MakeOkCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BuildGroup(QStringLiteral("Select serial port"), {ports_, detectButton_}));
    layout->addWidget(BuildGroup(QStringLiteral("Program mode"), {advancedMode_}));
    layout->addWidget(BuildGroup(QStringLiteral("Program options"), {showCaption_}));
    layout->addWidget(
        BuildGroup(QStringLiteral("Warning messages"), {warnFileChanged_, warnOverwrite_}));
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons.ok, &QPushButton::clicked, this, &TOptionsForm::OkClicked);
}

QWidget *TOptionsForm::BuildGroup(const QString &title, std::initializer_list<QWidget *> controls) {
    auto *group = new QGroupBox(title, this);
    auto *row = new QHBoxLayout(group);
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch();
    return group;
}

void TOptionsForm::SetPortDetector(PortDetector detect) {
    detect_ = std::move(detect);
    detectButton_->setEnabled(static_cast<bool>(detect_));
}

void TOptionsForm::FillPortList() {
    ports_->clear();
    ports_->addItems(listPorts_ ? listPorts_() : QStringList());
    // Exact, case-sensitive: a port that is not listed leaves no entry selected.
    ports_->setCurrentIndex(ports_->findText(QString::fromStdString(options_.portName),
                                             Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TOptionsForm::showEvent(QShowEvent *event) {
    SaveOptionsOrSay();
    FillPortList();
    advancedMode_->setChecked(options_.advancedMode);
    showCaption_->setChecked(options_.showCaption);
    warnFileChanged_->setChecked(options_.warnFileChanged);
    warnOverwrite_->setChecked(options_.warnOverwriteFiles);
    QDialog::showEvent(event);
}

void TOptionsForm::SaveOptionsOrSay() {
    const SaveOptionsResult result = SaveOptions(store_, options_);
    if (result.ok)
        return;
    ShowProgramBox(this, QMessageBox::Critical, QString::fromStdString(result.message),
                   QMessageBox::Ok);
}

void TOptionsForm::OkClicked() {
    if (ports_->currentIndex() >= 0)
        options_.portName = ports_->currentText().toStdString();
    options_.advancedMode = advancedMode_->isChecked();
    options_.showCaption = showCaption_->isChecked();
    options_.warnFileChanged = warnFileChanged_->isChecked();
    options_.warnOverwriteFiles = warnOverwrite_->isChecked();
    SaveOptionsOrSay();
    emit OptionsApplied();
    accept();
}

void TOptionsForm::reject() {
    // Gives back the options as they were saved when the dialog opened.
    options_ = ReadOptions(store_);
    emit OptionsApplied();
    QDialog::reject();
}

} // namespace korvanta
