#include "ui/TPrintForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/MachineConfig.h"
#include "files/ChooseFile.h"
#include "files/ProgramOptions.h"
#include "model/WashStore.h"
#include "platform/Cp1252.h"
#include "platform/ReportDate.h"
#include "print/PrintedReport.h"
#include "print/ReportFile.h"
#include "print/ReportTexts.h"
#include "print/TextReport.h"
#include "ui/FileCommands.h"
#include "ui/MainFormMessage.h"
#include "ui/PrinterReport.h"
#include "ui/ReportPainter.h"
#include "ui/ReportPdf.h"
#include "ui/ReportProfiles.h"
#include "ui/WaitCursor.h"

namespace korvanta {

namespace {

constexpr int kTitleColumnWidth = 150;
constexpr int kCycleColumnWidth = 60; // room for "Cycle" and a check box with a number

QPushButton *Button(const QString &caption, const QString &name, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QTableWidgetItem *ReadOnlyItem(const QString &text) {
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TPrintForm::TPrintForm(WashStore &wash, const MachineConfig &config, ProgramOptions &options,
                       Inputs inputs, QWidget *parent)
    : QDialog(parent), wash_(wash), config_(config), options_(options), inputs_(std::move(inputs)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("TPrintForm"));
    setWindowTitle(QStringLiteral("Select cycles to print..."));
    setModal(true);

    list_ = new QTableWidget(0, 2, this);
    list_->setObjectName(QStringLiteral("ListView"));
    list_->setHorizontalHeaderLabels({QStringLiteral("Cycle"), QStringLiteral("Title")});
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setShowGrid(true);
    list_->horizontalHeader()->setSectionsClickable(false);
    list_->verticalHeader()->hide();
    list_->setColumnWidth(0, kCycleColumnWidth);
    list_->setColumnWidth(1, kTitleColumnWidth);
    // Both columns show whole, beside a vertical scroll bar when the list is long.
    list_->setMinimumWidth(kCycleColumnWidth + kTitleColumnWidth + 2 * list_->frameWidth() +
                           list_->verticalScrollBar()->sizeHint().width());

    auto *current = Button(QStringLiteral("Current cycle"), QStringLiteral("sbCurrentCycle"), this);
    auto *all = Button(QStringLiteral("All cycles"), QStringLiteral("sbAllCycles"), this);
    auto *none = Button(QStringLiteral("No cycles"), QStringLiteral("sbNoCycles"), this);
    yesNo_ = Button(QStringLiteral("No"), QStringLiteral("sbYesNo"), this);
    yesNo_->setCheckable(true);
    printToFile_ = new QCheckBox(QStringLiteral("Print to file"), this);
    printToFile_->setObjectName(QStringLiteral("cbPrintToFile"));
    printProfiles_ = new QCheckBox(QStringLiteral("Print profiles"), this);
    printProfiles_->setObjectName(QStringLiteral("cbPrintProfiles"));
    // The text report has no pictures: "Print to file" writes the same file either way.
    printProfiles_->setToolTip(QStringLiteral(
        "Add each printed cycle's profile on the page after the cycle (printer and PDF)"));
    auto *setup = Button(QStringLiteral("Print Setup"), QStringLiteral("BitBtn2"), this);
    auto *savePdf = Button(QStringLiteral("Save as PDF…"), QStringLiteral("BitBtnSavePdf"), this);
    auto *print = Button(QStringLiteral("Print"), QStringLiteral("BitBtnPrint"), this);
    print->setDefault(true);
    auto *cancel = Button(QStringLiteral("Cancel"), QStringLiteral("BitBtn1"), this);

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Select:"), this));
    side->addWidget(current);
    side->addWidget(all);
    side->addWidget(none);
    side->addSpacing(12);
    side->addWidget(new QLabel(QStringLiteral("Print configuration:"), this));
    side->addWidget(yesNo_);
    side->addSpacing(12);
    side->addWidget(printToFile_);
    side->addWidget(printProfiles_);
    side->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(setup);
    buttons->addStretch();
    buttons->addWidget(savePdf);
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(current, &QPushButton::clicked, this, &TPrintForm::CheckCurrentCycle);
    connect(all, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(yesNo_, &QPushButton::toggled, this, [this](bool down) {
        yesNo_->setText(down ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
    connect(setup, &QPushButton::clicked, this, &TPrintForm::PrintSetupClicked);
    connect(savePdf, &QPushButton::clicked, this, &TPrintForm::SavePdfClicked);
    connect(print, &QPushButton::clicked, this, &TPrintForm::PrintClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    printToFile_->setChecked(false);
    FillRows();
}

TPrintForm::~TPrintForm() = default;

void TPrintForm::done(int result) {
    // Closing in any way keeps the options, among them the remembered report path.
    if (inputs_.saveOptions)
        inputs_.saveOptions();
    QDialog::done(result);
}

void TPrintForm::FillRows() {
    // The rows of the main window's cycle list: one per CycleStart, in list order.
    const WashData &data = wash_.data;
    int row = 0;
    for (int k = 1; data.Size() >= 2; ++k) {
        const auto index = data.CycleStartIndex(k);
        if (!index)
            break;
        const WashRecord &start = data.At(*index);
        list_->setRowCount(row + 1);
        QTableWidgetItem *number = ReadOnlyItem(QString::number(start.Code(1)));
        number->setFlags(number->flags() | Qt::ItemIsUserCheckable);
        number->setCheckState(Qt::Unchecked);
        list_->setItem(row, 0, number);
        list_->setItem(row, 1, ReadOnlyItem(FromCp1252(start.name)));
        ++row;
    }
}

void TPrintForm::CheckAll(bool checked) {
    for (int row = 0; row < list_->rowCount(); ++row)
        list_->item(row, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TPrintForm::CheckCurrentCycle() {
    if (list_->rowCount() == 0)
        return;
    CheckAll(false);
    // Without a selected row in the main window nothing is ticked.
    const int row = inputs_.selectedRow;
    if (row >= 0 && row < list_->rowCount())
        list_->item(row, 0)->setCheckState(Qt::Checked);
}

ReportRequest TPrintForm::Request() const {
    ReportRequest request;
    for (int row = 0; row < list_->rowCount(); ++row)
        if (list_->item(row, 0)->checkState() == Qt::Checked)
            request.rows.push_back(row + 1);
    request.includeConfig = yesNo_->isChecked();
    request.profiles = printProfiles_->isChecked();
    request.fileName = ToCp1252(QString::fromStdString(FileNamePart(inputs_.currentFile)));
    request.dateText = ReportDateText();
    return request;
}

std::optional<ReportRequest> TPrintForm::ChosenRequest() {
    ReportRequest request = Request();
    if (request.rows.empty() && !request.includeConfig) {
        ShowUserMessage(this,
                        UserMessage{kNothingToPrint, MessageIcon::Warning, MessageButtons::Ok, {}});
        return std::nullopt;
    }
    return request;
}

void TPrintForm::PrintClicked() {
    const std::optional<ReportRequest> request = ChosenRequest();
    if (!request)
        return;
    if (printToFile_->isChecked())
        PrintToFile(*request);
    else
        PrintOnPaper(*request);
}

bool TPrintForm::ChooseReportFile(std::string &path, const char *extension,
                                  const char *description) {
    FileDialogRequest dialog;
    dialog.save = true;
    dialog.start = SplitPath(path);
    dialog.filter = QString::fromStdString(FileFilter(description, extension));
    dialog.extension = QString::fromLatin1(extension);
    dialog.confirmOverwrite = options_.warnOverwriteFiles;
    const std::optional<QString> chosen = ShowPlatformFileDialog(this, dialog);
    if (!chosen || chosen->isEmpty())
        return false;
    path = chosen->toStdString();
    return true;
}

void TPrintForm::PrintToFile(const ReportRequest &request) {
    const bool chosen = inputs_.chooseFile
                            ? inputs_.chooseFile(options_.lastPrintDir)
                            : ChooseReportFile(options_.lastPrintDir, "txt", "Text Files");
    if (!chosen)
        return;
    UserMessage message;
    bool written = false;
    {
        const WaitCursor wait;
        const std::string bytes = TextReport(wash_.data, config_, wash_.marks, request);
        // A file chosen in the save dialog keeps its replaced content as its ".bak" backup.
        written = WriteReportFile(options_.lastPrintDir, bytes, message,
                                  BackupPath(options_.lastPrintDir));
    }
    if (!written)
        ShowUserMessage(this, message);
}

void TPrintForm::PrintOnPaper(const ReportRequest &request) {
    bool printed = false;
    {
        const WaitCursor wait;
        const std::vector<DrawOp> ops =
            PrintedReport(wash_.data, config_, wash_.marks, request, PrinterPage(*printer_),
                          ReportTextWidth(*printer_));
        printed = PaintReport(*printer_, ops, ReportProfileDrawer(wash_.data, config_));
    }
    if (!printed) {
        QString target = printer_->outputFileName();
        if (target.isEmpty())
            target = printer_->printerName().isEmpty() ? QStringLiteral("the printer")
                                                       : printer_->printerName();
        ShowUserMessage(this, ErrorMessage(ToCp1252("Unable to print to " + target)));
    }
    accept();
}

void TPrintForm::SavePdfClicked() {
    const std::optional<ReportRequest> request = ChosenRequest();
    if (!request)
        return;
    std::string path;
    const bool chosen =
        inputs_.choosePdf ? inputs_.choosePdf(path) : ChooseReportFile(path, "pdf", "PDF Files");
    if (!chosen)
        return;
    UserMessage message;
    bool saved = false;
    {
        const WaitCursor wait;
        // The printed report as the Print button would lay it out on the chosen paper.
        const ReportOps build = [&](const ReportPage &page, const TextWidth &width) {
            return PrintedReport(wash_.data, config_, wash_.marks, *request, page, width);
        };
        saved = SaveReportPdf(path, printer_->pageLayout(), build,
                              ReportProfileDrawer(wash_.data, config_), message);
    }
    if (!saved)
        ShowUserMessage(this, message);
}

void TPrintForm::PrintSetupClicked() {
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only stores the printer settings; its confirm button must not promise a print.
    for (auto *box : dialog.findChildren<QDialogButtonBox *>())
        if (auto *confirm = box->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    dialog.exec();
}

} // namespace korvanta
