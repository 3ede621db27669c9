#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "files/OptionsStore.h"
#include "files/ProgramOptions.h"

class QComboBox;
class QPushButton;

namespace korvanta {

// "Program options menu": the serial port, advanced mode, toolbar captions and the two
// warnings. Opening saves the options; OK takes the controls and saves again; Cancel reads
// the options back from the store. After either, OptionsApplied() asks the main window to
// apply the caption setting; the main window refreshes completely after the dialog closes.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<QStringList()>;

    TOptionsForm(ProgramOptions &options, OptionsStore &store, QWidget *parent = nullptr);

    // Port detection: probes the listed ports in order and selects the entry of the first port
    // on which a machine answers. Setting it enables "&Auto detect".
    using PortDetector = std::function<void(QComboBox *ports)>;
    void SetPortDetector(PortDetector detect);

    // Replaces the system's serial port list (tests).
    void SetPortLister(PortLister lister) { listPorts_ = std::move(lister); }
    // Empties the port list, fills it from the system and selects PortName when listed.
    void FillPortList();

    void reject() override;

signals:
    void OptionsApplied();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildGroup(const QString &title, std::initializer_list<QWidget *> controls);
    void SaveOptionsOrSay();
    void OkClicked();

    ProgramOptions &options_;
    OptionsStore &store_;
    PortLister listPorts_;
    PortDetector detect_;
    QComboBox *ports_ = nullptr;
    QPushButton *detectButton_ = nullptr;
    QPushButton *advancedMode_ = nullptr;
    QPushButton *showCaption_ = nullptr;
    QPushButton *warnFileChanged_ = nullptr;
    QPushButton *warnOverwrite_ = nullptr;
};

// The serial ports of this computer by the names the port is opened with.
QStringList SystemSerialPorts();

} // namespace korvanta
