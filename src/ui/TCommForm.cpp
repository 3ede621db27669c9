#include "ui/TCommForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "comm/CycleTransfer.h"
#include "comm/LifeTestTransfer.h"
#include "comm/PricesTransfer.h"
#include "comm/SoftwareTransfer.h"
#include "files/Options.h"

namespace korvanta {

namespace {
constexpr const char *kCaption = "Communication via front connector";
constexpr int kMainPanelWidth = 260; // pixels at 100 % scale
} // namespace

TCommForm::TCommForm(SerialPort &port, ProgramOptions &options, OptionsStore &store,
                     const KnownFolders &folders, const MachineConfig &config, QWidget *parent)
    : QDialog(parent), port_(port), options_(options), store_(store), folders_(folders),
      config_(config), ui_(this), panel_(port, ui_, state_) {
    setObjectName(QStringLiteral("TCommForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    BuildLayout();
    ui_.SetPanels(mainPanel_, detailPanel_);
    ui_.SetGaugeBar(gauge_);
    ui_.enableTransfers = [this](bool enabled) { EnableTransfers(enabled); };
}

QPushButton *TCommForm::AddButton(const char *name, const QString &text,
                                  void (TCommForm::*handler)()) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QGroupBox *TCommForm::BuildGroup(const QString &title, std::initializer_list<QWidget *> controls) {
    auto *group = new QGroupBox(title, this);
    auto *layout = new QHBoxLayout(group);
    for (QWidget *control : controls)
        layout->addWidget(control);
    return group;
}

void TCommForm::BuildLayout() {
    writeCycles_ =
        AddButton("BitBtnWriteCycles", "Write Cycles", &TCommForm::BitBtnWriteCyclesClick);
    readCycles_ = AddButton("BitBtnReadCycles", "Read Cycles", &TCommForm::BitBtnReadCyclesClick);
    writeSoft_ = AddButton("BitBtnWriteSoft", "Write Software", &TCommForm::BitBtnWriteSoftClick);
    writePrices_ =
        AddButton("BitBtnWritePrices", "Write Prices", &TCommForm::BitBtnWritePricesClick);
    readPrices_ = AddButton("BitBtnReadPrices", "Read Prices", &TCommForm::BitBtnReadPricesClick);
    writeLifeTest_ =
        AddButton("BitBtnWriteLifeTest", "Write Life test", &TCommForm::BitBtnWriteLifeTestClick);
    readLifeTest_ =
        AddButton("BitBtnReadLifeTest", "Read Life test", &TCommForm::BitBtnReadLifeTestClick);
    lifeTest_ = new QCheckBox(QStringLiteral("Life Test"), this);
    lifeTest_->setObjectName(QStringLiteral("cbEnableLifeTest"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BitBtnOK"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("ProgressBar1"));
    gauge_->setRange(0, 100);
    gauge_->setVisible(false);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    mainPanel_ = new QLabel(status);
    mainPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    mainPanel_->setMinimumWidth(kMainPanelWidth);
    detailPanel_ = new QLabel(status);
    detailPanel_->setObjectName(QStringLiteral("StatusPanel1"));
    status->addWidget(mainPanel_, 1);
    status->addWidget(detailPanel_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BuildGroup(QStringLiteral("Cycles"), {writeCycles_, readCycles_}));
    layout->addWidget(BuildGroup(QStringLiteral("Software"), {writeSoft_}));
    layout->addWidget(BuildGroup(QStringLiteral("Prices"), {writePrices_, readPrices_}));
    lifeTestGroup_ =
        BuildGroup(QStringLiteral("Life Test"), {writeLifeTest_, readLifeTest_, lifeTest_});
    layout->addWidget(lifeTestGroup_);
    layout->addWidget(gauge_);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    layout->addWidget(status);
}

void TCommForm::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormActivate();
}

// Opens the port and resets the dialog once per showing. Coming back from one of the
// dialog's own question boxes, in the middle of a transfer or not, changes nothing.
void TCommForm::FormActivate() {
    if (busy_ || activated_)
        return;
    activated_ = true;
    mainPanel_->clear();
    detailPanel_->clear();
    EnableTransfers(true);
    lifeTestGroup_->setVisible(options_.debug);
    const int scale = scalePercent_;
    layout()->setSpacing(scale * 10 / 100);
    layout()->setContentsMargins(scale * 10 / 100, scale * 10 / 100, scale * 10 / 100,
                                 scale * 5 / 100);
    adjustSize();
    panel_.OpenPort(options_.portName, true);
}

void TCommForm::done(int result) {
    port_.Close();
    activated_ = false;
    const SaveOptionsResult saved = SaveOptions(store_, options_);
    if (!saved.ok)
        ui_.Ask(saved.message, BoxIcon::Error, BoxButtons::Ok);
    QDialog::done(result);
}

void TCommForm::EnableTransfers(bool enabled) {
    const bool working = QFileInfo::exists(QString::fromStdString(SendWorkingFile(folders_)));
    writeCycles_->setEnabled(enabled && working);
    for (QWidget *control :
         std::initializer_list<QWidget *>{readCycles_, writeSoft_, writePrices_, readPrices_,
                                          writeLifeTest_, readLifeTest_, ok_, lifeTest_})
        control->setEnabled(enabled);
}

void TCommForm::RunTransfer(const std::function<bool()> &transfer, bool closeOnSuccess) {
    if (busy_)
        return;
    busy_ = true;
    const bool ok = transfer();
    busy_ = false;
    if (ok && closeOnSuccess && isVisible())
        accept();
}

std::string TCommForm::AskForFile(const FileRequest &request, std::string &remembered,
                                  const std::string &defaultFolder) {
    FileDialogRequest dialog;
    dialog.save = request.save;
    dialog.start = ChooseFileStart(remembered, defaultFolder, folders_);
    dialog.filter = QString::fromStdString(FileFilter(request.description, request.extension));
    dialog.extension = QString::fromStdString(request.extension);
    dialog.confirmOverwrite = options_.warnOverwriteFiles;
    const std::optional<QString> chosen = fileDialog_(this, dialog);
    if (!chosen || chosen->isEmpty())
        return {};
    remembered = chosen->toStdString();
    return remembered;
}

void TCommForm::BitBtnWriteCyclesClick() {
    RunTransfer(
        [this] { return WriteCycles(panel_, SendWorkingFile(folders_), config_.machineType); },
        true);
}

void TCommForm::BitBtnReadCyclesClick() {
    RunTransfer([this] { return ReadCycles(panel_, ReceiveWorkingFile(folders_)); }, true);
}

void TCommForm::BitBtnWriteSoftClick() {
    const std::string firmwareFolder = folders_.data + "Firmware" + QDir::separator().toLatin1();
    const std::string path = AskForFile(kSoftwareFileRequest, options_.lastBinDir, firmwareFolder);
    if (!path.empty())
        RunTransfer([&] { return WriteSoftware(panel_, path); }, false);
}

void TCommForm::BitBtnWritePricesClick() {
    const std::string path = AskForFile(kPricesOpenRequest, options_.lastPriceDir, "");
    if (!path.empty())
        RunTransfer([&] { return WritePrices(panel_, path); }, false);
}

void TCommForm::BitBtnReadPricesClick() {
    ui_.chooseFile = [this](const FileRequest &request) {
        return AskForFile(request, options_.lastPriceDir, "");
    };
    RunTransfer([this] { return ReadPrices(panel_); }, false);
}

void TCommForm::BitBtnWriteLifeTestClick() {
    RunTransfer([this] { return WriteLifeTest(panel_, lifeTest_->isChecked()); }, false);
}

void TCommForm::BitBtnReadLifeTestClick() {
    RunTransfer(
        [this] {
            const std::optional<bool> on = ReadLifeTest(panel_);
            lifeTest_->setChecked(on.value_or(false));
            return on.has_value();
        },
        false);
}

} // namespace korvanta
