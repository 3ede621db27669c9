#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "../core/WashDataFileSamples.h"
#include "BoxAnswers.h"
#include "files/ProgramOptions.h"
#include "model/WashStore.h"
#include "ui/TPrintForm.h"

using namespace korvanta;

class TestPrintForm : public QObject {
    Q_OBJECT

private:
    WashStore wash_;
    MachineConfig config_ = samples::SampleConfig();
    ProgramOptions options_;
    std::unique_ptr<TPrintForm> form_;
    QTemporaryDir dir_;
    int optionSaves_ = 0;
    int chooserCalls_ = 0;
    QString chosenPath_; // what the save dialog answers; empty: the user cancels
    QString pdfPath_;    // what the PDF save dialog answers; empty: the user cancels

    void Make(int selectedRow = 1) {
        TPrintForm::Inputs inputs;
        inputs.currentFile = "/home/user/Documents/Week.kvt";
        inputs.selectedRow = selectedRow;
        inputs.chooseFile = [this](std::string &remembered) {
            ++chooserCalls_;
            if (chosenPath_.isEmpty())
                return false;
            remembered = chosenPath_.toStdString();
            return true;
        };
        inputs.choosePdf = [this](std::string &path) {
            path = pdfPath_.toStdString();
            return !pdfPath_.isEmpty();
        };
        inputs.saveOptions = [this] { ++optionSaves_; };
        form_ = std::make_unique<TPrintForm>(wash_, config_, options_, inputs);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    template <typename T> T *Find(const char *name) {
        T *child = form_->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("control %s not found", name);
        return child;
    }
    void Click(const char *name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    QTableWidget *List() { return Find<QTableWidget>("ListView"); }
    QList<int> Checked() {
        QList<int> rows;
        for (int row = 0; row < List()->rowCount(); ++row)
            if (List()->item(row, 0)->checkState() == Qt::Checked)
                rows << row;
        return rows;
    }
    QString Path(const QString &name) { return dir_.filePath(name); }
    static QByteArray Read(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        wash_ = WashStore{};
        wash_.data = samples::ThreeCycles();
        options_ = ProgramOptions{};
        optionSaves_ = chooserCalls_ = 0;
        chosenPath_.clear();
        pdfPath_.clear();
    }
    void cleanup() { form_.reset(); }

    void opensWithEveryControlAndNothingChosen() {
        Make();
        QCOMPARE(form_->objectName(), QString("TPrintForm"));
        QCOMPARE(form_->windowTitle(), QString("Select cycles to print..."));
        QTableWidget *list = List();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("Cycle"));
        QCOMPARE(list->horizontalHeaderItem(1)->text(), QString("Title"));
        QCOMPARE(list->columnWidth(1), 150);
        // Numbers and names show whole, without scrolling sideways.
        QVERIFY(list->viewport()->width() >= list->columnWidth(0) + list->columnWidth(1));
        QCOMPARE(list->item(0, 0)->text(), QString("3"));
        QCOMPARE(list->item(1, 1)->text(), QString::fromUtf8("Whites 60°C"));
        QCOMPARE(list->item(2, 0)->text(), QString("12"));
        QVERIFY(!(list->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(Checked().isEmpty());
        const char *captions[][2] = {
            {"sbCurrentCycle", "Current cycle"}, {"sbAllCycles", "All cycles"},
            {"sbNoCycles", "No cycles"},         {"sbYesNo", "No"},
            {"cbPrintToFile", "Print to file"},  {"cbPrintProfiles", "Print profiles"},
            {"BitBtn2", "Print Setup"},          {"BitBtnPrint", "Print"},
            {"BitBtnSavePdf", "Save as PDF…"},   {"BitBtn1", "Cancel"}};
        for (const auto &caption : captions)
            QCOMPARE(Find<QAbstractButton>(caption[0])->text(), QString(caption[1]));
        QVERIFY(!Find<QCheckBox>("cbPrintToFile")->isChecked());
        QVERIFY(!Find<QCheckBox>("cbPrintProfiles")->isChecked());
        QVERIFY(Find<QPushButton>("BitBtnPrint")->isDefault());
        Click("sbYesNo");
        QCOMPARE(Find<QAbstractButton>("sbYesNo")->text(), QString("Yes"));
        Click("sbYesNo");
        QCOMPARE(Find<QAbstractButton>("sbYesNo")->text(), QString("No"));
    }

    void selectionButtons() {
        Make(2);
        Click("sbAllCycles");
        QCOMPARE(Checked(), (QList<int>{0, 1, 2}));
        Click("sbCurrentCycle");
        QCOMPARE(Checked(), QList<int>{2});
        Click("sbNoCycles");
        QVERIFY(Checked().isEmpty());
    }

    void nothingChosenWarnsAndStaysOpen() {
        Make();
        BoxAnswers boxes{QMessageBox::Ok};
        Click("BitBtnPrint");
        QCOMPARE(boxes.Texts(), QStringList{"No cycles selected,\nSelect cycles to print!"});
        QVERIFY(form_->isVisible());
        QCOMPARE(chooserCalls_, 0);
        QCOMPARE(optionSaves_, 0);
        Click("BitBtn1"); // closing in any way keeps the options
        QVERIFY(!form_->isVisible());
        QCOMPARE(optionSaves_, 1);
    }

    void printToFileWritesTheTextReportAndStaysOpen() {
        Make(0);
        chosenPath_ = Path("cycle.txt");
        Click("sbCurrentCycle");
        Find<QCheckBox>("cbPrintToFile")->setChecked(true);
        Find<QCheckBox>("cbPrintProfiles")->setChecked(true); // the text file has no pictures
        Click("BitBtnPrint");
        QVERIFY(form_->isVisible());
        QCOMPARE(QString::fromStdString(options_.lastPrintDir), chosenPath_);
        const QByteArray report = Read(chosenPath_);
        QVERIFY(report.startsWith("Korvanta Planner v2.04: Week.kvt\t"));
        QVERIFY(report.contains("\r\n\r\nCycle 3: Cycle 3\tEstimated duration: 0:00:15\r\n"
                                "\t1\t[0:15]\tDrain 1\r\n\r\n\r\n\r\n"));
        QVERIFY(!report.contains("Whites"));
    }

    void cancelledOrUnwritableFile() {
        Make();
        Click("sbAllCycles");
        Find<QCheckBox>("cbPrintToFile")->setChecked(true);
        Click("BitBtnPrint"); // the save dialog is cancelled
        QCOMPARE(chooserCalls_, 1);
        QVERIFY(form_->isVisible());
        QVERIFY(options_.lastPrintDir.empty());
        chosenPath_ = Path("missing/r.txt");
        BoxAnswers boxes{QMessageBox::Ok};
        Click("BitBtnPrint");
        QCOMPARE(boxes.Texts(), QStringList{"Unable to save " + chosenPath_});
        QVERIFY(form_->isVisible());
    }

    // A report saved over an existing file keeps it as the ".bak" backup only once the report is
    // in place; a save that fails leaves the file and the older backup as they were.
    void reportKeepsTheBackupOnlyAfterASave_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("saved") << false;
        QTest::newRow("save fails") << true;
    }
    void reportKeepsTheBackupOnlyAfterASave() {
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        chosenPath_ = dir.filePath("R.txt");
        const QString backup = dir.filePath("R.bak");
        for (const auto &[path, bytes] :
             {std::pair{chosenPath_, "old report"}, std::pair{backup, "older backup"}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        if (readOnly)
            QFile::setPermissions(chosenPath_, QFile::ReadOwner | QFile::ReadGroup);
        Make();
        Click("sbAllCycles");
        Find<QCheckBox>("cbPrintToFile")->setChecked(true);
        BoxAnswers boxes{QMessageBox::Ok};
        Click("BitBtnPrint");
        QCOMPARE(boxes.Texts().size(), readOnly ? 1 : 0);
        QCOMPARE(Read(backup), readOnly ? QByteArray("older backup") : QByteArray("old report"));
        QCOMPARE(Read(chosenPath_).startsWith("Korvanta Planner v2.04"), !readOnly);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void printOnPaperMakesAPageEachAndCloses() {
        Make();
        const QString pdf = Path("report.pdf");
        form_->Printer().setOutputFormat(QPrinter::PdfFormat);
        form_->Printer().setOutputFileName(pdf);
        Click("sbAllCycles");
        Click("sbYesNo");
        Click("BitBtnPrint");
        QVERIFY(!form_->isVisible());
        QCOMPARE(form_->result(), int(QDialog::Accepted));
        QCOMPARE(optionSaves_, 1);
        const QByteArray bytes = Read(pdf);
        QVERIFY(bytes.size() > 2000);
        QVERIFY(bytes.startsWith("%PDF"));
        // Three cycles and the configuration: four pages.
        static const QRegularExpression page("/Type\\s*/Page[^s]");
        QCOMPARE(QString::fromLatin1(bytes).count(page), 4);
        // The re-estimate wrote the step durations back.
        QCOMPARE(wash_.data.At(1).time, 15u);
    }

    void savePdfWritesThePrintedReportAndStaysOpen() {
        Make();
        const QString pdf = Path("report.pdf");
        const QString unwritable = Path("missing/report.pdf");
        static const QRegularExpression page("/Type\\s*/Page[^s]");
        struct Case {
            QString path; // what the dialog answers
            bool config, profiles;
            int pages; // 0: no file
            QStringList boxes;
        } cases[] = {
            {QString(), true, false, 0, {}}, // cancelled
            {pdf, true, false, 4, {}},       // three cycles and the configuration
            {pdf, false, false, 3, {}},      // an older PDF there is replaced
            {pdf, true, true, 7, {}},        // a profile page after each cycle
            {unwritable, false, false, 0, {"Unable to save " + unwritable}},
        };
        Click("sbAllCycles");
        for (const Case &c : cases) {
            pdfPath_ = c.path;
            if (Find<QAbstractButton>("sbYesNo")->isChecked() != c.config)
                Click("sbYesNo");
            Find<QCheckBox>("cbPrintProfiles")->setChecked(c.profiles);
            BoxAnswers boxes{QMessageBox::Ok};
            Click("BitBtnSavePdf");
            QCOMPARE(boxes.Texts(), c.boxes);
            QVERIFY(form_->isVisible());
            const QByteArray bytes = c.path.isEmpty() ? QByteArray() : Read(c.path);
            QCOMPARE(QString::fromLatin1(bytes).count(page), c.pages);
        }
        QVERIFY(!QFile::exists(unwritable));
        QVERIFY(QDir(dir_.path()).entryList({".saving-*"}, QDir::Files | QDir::Hidden).isEmpty());
        QCOMPARE(optionSaves_, 0);
        QCOMPARE(chooserCalls_, 0);
    }

    void printerThatCannotStartIsReportedAndCloses() {
        Make();
        form_->Printer().setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = Path("missing/report.pdf");
        form_->Printer().setOutputFileName(pdf);
        Click("sbYesNo");
        BoxAnswers boxes{QMessageBox::Ok};
        Click("BitBtnPrint");
        QCOMPARE(boxes.Texts(), QStringList{"Unable to print to " + pdf});
        QVERIFY(!form_->isVisible());
        QVERIFY(!QFile::exists(pdf));
    }

    void printSetupShowsThePrinterDialog() {
        Make();
        QString shown;
        QStringList confirm; // the dialog only stores the settings: its button says OK
        QTimer::singleShot(50, [&shown, &confirm] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                shown = dialog->windowTitle();
                for (auto *box : dialog->findChildren<QDialogButtonBox *>())
                    if (QPushButton *ok = box->button(QDialogButtonBox::Ok); ok && ok->isVisible())
                        confirm << ok->text();
                dialog->reject();
            }
        });
        Click("BitBtn2");
        QCOMPARE(shown, QString("Print Setup"));
        QCOMPARE(confirm, QStringList{"OK"});
        QVERIFY(form_->isVisible());
        QCOMPARE(optionSaves_, 0);
    }
};

QTEST_MAIN(TestPrintForm)
#include "tst_printform.moc"
