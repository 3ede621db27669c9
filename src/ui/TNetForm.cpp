#include "ui/TNetForm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "comm/NetworkSoftwareFile.h"
#include "comm/NetworkWrite.h"
#include "platform/Cp1252.h"
#include "ui/MainFormMessage.h"

namespace korvanta {

namespace {
constexpr const char *kCaption = "Communication via RS-485 network";
constexpr const char *kLastBinDir = "LastBinDir";
// Status bar panels, pixels.
constexpr int kStatusPanelWidth = 185;
constexpr int kProgressPanelWidth = 150;
constexpr int kSparePanelWidth = 50;
constexpr int kListWidth = 340;
constexpr int kListHeight = 150;

// The blue bar of the block counter over the panel's full height.
class ProgressPanel : public QWidget {
public:
    ProgressPanel(const NetworkState &state, QWidget *parent) : QWidget(parent), state_(state) {
        setObjectName(QStringLiteral("ProgressPanel"));
        setFixedWidth(kProgressPanelWidth);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        const int width =
            NetworkProgressWidth(this->width(), state_.blockCounter, state_.blockTotal);
        painter.fillRect(0, 0, width, height(), Qt::blue);
    }

private:
    const NetworkState &state_;
};

QString Text(const std::string &cp1252) {
    return FromCp1252(cp1252);
}
} // namespace

// The dialog's boxes: failures carry the caption "Error", the port's plain box "COM ERROR".
class TNetForm::NetUi : public WidgetCommUi {
public:
    explicit NetUi(QWidget *dialog) : WidgetCommUi(dialog), dialog_(dialog) {}

    Answer Ask(const std::string &text, BoxIcon icon, BoxButtons buttons) override {
        if (icon != BoxIcon::Error && icon != BoxIcon::None)
            return WidgetCommUi::Ask(text, icon, buttons);
        const char *caption = icon == BoxIcon::Error ? "Error" : "COM ERROR";
        ShowUserMessage(dialog_, UserMessage{text, icon, BoxButtons::Ok, caption});
        return Answer::Ok;
    }

private:
    QWidget *dialog_;
};

TNetForm::TNetForm(SerialPort &port, ProgramOptions &options, OptionsStore &store,
                   const KnownFolders &folders, QWidget *parent)
    : QDialog(parent), port_(port), options_(options), store_(store), folders_(folders),
      startFolder_(QDir::currentPath().toStdString()),
      ui_(std::make_unique<NetUi>(this)), line_{port, *ui_, state_} {
    setObjectName(QStringLiteral("TNetForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    BuildLayout();
    ui_->SetPanels(statusPanel_, nullptr);
    EnableWrites();
}

QPushButton *TNetForm::AddButton(const char *name, const QString &text,
                                 void (TNetForm::*handler)()) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TNetForm::BuildLayout() {
    machineList_ = new QTreeWidget(this);
    machineList_->setObjectName(QStringLiteral("MachineList"));
    machineList_->setColumnCount(2);
    machineList_->setHeaderLabels({QStringLiteral("Machine"), QStringLiteral("Type")});
    machineList_->setRootIsDecorated(false);
    // Room for the check box, the picture and the caption.
    machineList_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    machineList_->setMinimumSize(kListWidth, kListHeight);
    update_ = AddButton("BtnUpdate", QStringLiteral("&Update list"), &TNetForm::BtnUpdateClick);
    writeCycles_ = AddButton("BtnWriteCycles", QStringLiteral("Write &cycles"),
                             &TNetForm::BtnWriteCyclesClick);
    writeSoft_ =
        AddButton("BtnWriteSoft", QStringLiteral("Write &soft"), &TNetForm::BtnWriteSoftClick);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(status);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel_->setFixedWidth(kStatusPanelWidth);
    progressPanel_ = new ProgressPanel(state_, status);
    auto *spare = new QLabel(status);
    spare->setObjectName(QStringLiteral("StatusPanel2"));
    spare->setFixedWidth(kSparePanelWidth);
    status->addWidget(statusPanel_);
    status->addWidget(progressPanel_);
    status->addWidget(spare);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {update_, writeCycles_, writeSoft_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto *row = new QHBoxLayout;
    row->addWidget(machineList_, 1);
    row->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(status);
}

void TNetForm::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormActivate();
}

// Opens the port and rescans once per showing. Coming back from the dialog's own boxes and
// file dialog changes nothing, so a write keeps its port and its ticks to the end.
void TNetForm::FormActivate() {
    if (busy_ || activated_)
        return;
    activated_ = true;
    OpenNetworkPort(line_, options_.portName);
    repaint();
    BtnUpdateClick();
}

void TNetForm::done(int result) {
    if (busy_)
        return; // a write runs to its end; the port stays open until then
    port_.Close();
    activated_ = false;
    QDialog::done(result);
}

void TNetForm::BtnUpdateClick() {
    if (busy_)
        return;
    busy_ = true;
    ScanNetwork(line_);
    busy_ = false;
    FillMachineList();
    EnableWrites();
}

void TNetForm::FillMachineList() {
    machineList_->clear();
    for (const NetworkMachine &machine : state_.machines) {
        auto *item = new QTreeWidgetItem(machineList_);
        item->setText(0, Text(NetworkMachineCaption(machine.address)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, machine.ticked ? Qt::Checked : Qt::Unchecked);
    }
    ShowMachineResults();
}

// Second column and picture of each item from what the dialog remembers.
void TNetForm::ShowMachineResults() {
    const int count =
        std::min<int>(machineList_->topLevelItemCount(), static_cast<int>(state_.machines.size()));
    for (int i = 0; i < count; ++i) {
        const NetworkMachine &machine = state_.machines[static_cast<std::size_t>(i)];
        QTreeWidgetItem *item = machineList_->topLevelItem(i);
        item->setText(1, Text(NetworkDesignation(machine.machineType)));
        QIcon icon;
        if (machine.image == NetworkImage::Written)
            icon = style()->standardIcon(QStyle::SP_DialogApplyButton);
        else if (machine.image == NetworkImage::ConfigDiffers)
            icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
        item->setIcon(0, icon);
    }
}

void TNetForm::TakeTicks() {
    const int count =
        std::min<int>(machineList_->topLevelItemCount(), static_cast<int>(state_.machines.size()));
    for (int i = 0; i < count; ++i)
        state_.machines[static_cast<std::size_t>(i)].ticked =
            machineList_->topLevelItem(i)->checkState(0) == Qt::Checked;
}

void TNetForm::EnableWrites() {
    const bool found = !state_.machines.empty();
    const bool working = QFileInfo::exists(Text(SendWorkingFile(folders_)));
    writeCycles_->setEnabled(found && working);
    writeSoft_->setEnabled(found);
}

void TNetForm::RunWrite(const std::function<void()> &write) {
    if (busy_)
        return;
    busy_ = true;
    TakeTicks();
    machineList_->setEnabled(false);
    write();
    machineList_->setEnabled(true);
    ShowMachineResults();
    busy_ = false;
}

void TNetForm::BtnWriteCyclesClick() {
    RunWrite([this] { WriteNetworkCycles(line_, SendWorkingFile(folders_)); });
}

void TNetForm::BtnWriteSoftClick() {
    RunWrite([this] {
        if (std::none_of(state_.machines.begin(), state_.machines.end(),
                         [](const NetworkMachine &m) { return m.ticked; }))
            return;
        WriteNetworkSoftware(line_, ChooseSoftwareFile());
    });
}

// The starting folder comes from "LastBinDir"; when the value is missing, the folder current
// at start-up is stored there and the dialog opens where the platform chooses.
std::string TNetForm::ChooseSoftwareFile() {
    const StringOption stored = store_.GetString(kLastBinDir);
    std::string folder;
    if (stored.status == OptionStatus::Ok) {
        folder = NetworkSoftwareFolder(stored.value);
    } else {
        store_.Write({{kLastBinDir, startFolder_}});
        options_.lastBinDir = startFolder_;
    }
    FileDialogRequest request;
    request.start.folder = folder.empty() ? folder : folder + "/";
    request.start.fileName = NetworkSoftwareFileName(folder);
    request.filter = QStringLiteral("%1 (*.bin) (%2)")
                         .arg(QString::fromLatin1(kNetworkSoftwareFilterName),
                              QString::fromLatin1(kNetworkSoftwarePattern));
    request.extension = QStringLiteral("bin");
    const std::optional<QString> chosen = fileDialog_(this, request);
    if (!chosen || chosen->isEmpty() || !QFileInfo::exists(*chosen))
        return {};
    return chosen->toStdString();
}

} // namespace korvanta
