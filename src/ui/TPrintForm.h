#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace korvanta {

struct MachineConfig;
struct ProgramOptions;
struct ReportRequest;
struct WashStore;

// "Select cycles to print...": ticks cycles of the wash data and the configuration toggle,
// then prints them as a table per cycle, or with "Print to file" writes the tab-separated text
// report; "Save as PDF..." writes the printed report into a PDF file. Made for one Print command
// and destroyed afterwards, so every command starts with nothing ticked. Open it modally:
//
//     TPrintForm form(Store(), Configuration().config, Options(),
//                     {CurrentFile(), Session().CurrentCycle() - 1, chooseFile, saveOptions},
//                     this);
//     form.exec();
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    struct Inputs {
        std::string currentFile; // full path of the current file, or empty
        int selectedRow = -1;    // row selected in the main window's cycle list, -1 for none
        // The save dialog of the text report with the remembered path (normally
        // FileCommands::ChooseFile(true, remembered, "", "txt", "Text Files")); it replaces
        // remembered by the chosen path. Not given: the platform's save dialog.
        std::function<bool(std::string &remembered)> chooseFile;
        // The save dialog of "Save as PDF..." (normally FileCommands::ChooseFile(true, path, "",
        // "pdf", "PDF Files")); it sets path to the chosen file. Not given: the platform's.
        std::function<bool(std::string &path)> choosePdf;
        // Saves the program options; called whenever the dialog closes.
        std::function<void()> saveOptions;
    };

    TPrintForm(WashStore &wash, const MachineConfig &config, ProgramOptions &options, Inputs inputs,
               QWidget *parent = nullptr);
    ~TPrintForm() override;

    // The printer the report goes to (tests direct it into a PDF file).
    QPrinter &Printer() { return *printer_; }

    void done(int result) override;

private:
    void FillRows();
    void CheckAll(bool checked);
    void CheckCurrentCycle();
    void PrintClicked();
    void PrintSetupClicked();
    void SavePdfClicked();
    // The request of the ticked rows; nothing (after the warning) when nothing is chosen.
    std::optional<ReportRequest> ChosenRequest();
    ReportRequest Request() const;
    void PrintToFile(const ReportRequest &request);
    void PrintOnPaper(const ReportRequest &request);
    bool ChooseReportFile(std::string &path, const char *extension, const char *description);

    WashStore &wash_;
    const MachineConfig &config_;
    ProgramOptions &options_;
    Inputs inputs_;
    std::unique_ptr<QPrinter> printer_;
    QTableWidget *list_ = nullptr;
    QPushButton *yesNo_ = nullptr;
    QCheckBox *printToFile_ = nullptr;
    QCheckBox *printProfiles_ = nullptr;
};

} // namespace korvanta
