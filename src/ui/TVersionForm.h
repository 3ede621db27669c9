#pragma once

#include <QDialog>

#include <string>

#include "comm/FrontPanel.h"
#include "ui/WidgetCommUi.h"

class QGridLayout;
class QLabel;

namespace korvanta {

// "Board info": this program's version and the four version texts the machine on the front
// connector reports. Created, shown modally and destroyed by the main window; the request runs
// once, when the dialog is first shown.
class TVersionForm : public QDialog {
    Q_OBJECT
public:
    TVersionForm(SerialPort &port, std::string portName, QWidget *parent = nullptr);

    bool Requested() const { return requested_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *AddLine(QGridLayout *grid, int row, const char *caption, const char *name);
    void FormActivate();

    SerialPort &port_;
    std::string portName_;
    FrontPanelState state_;
    WidgetCommUi ui_;
    FrontPanel panel_;
    bool requested_ = false;
    QLabel *values_[5] = {};
    QLabel *status_ = nullptr;
};

} // namespace korvanta
