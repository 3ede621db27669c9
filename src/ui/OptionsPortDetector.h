#pragma once

#include "comm/SerialPort.h"
#include "ui/TOptionsForm.h"

class QWidget;

namespace korvanta {

// "&Auto detect" of the options dialog: probes the ports of the list in list order over `port`
// and selects the entry of the first one on which a machine answers. A plain box says where
// the machine was found, or "No machine found!". The port must outlive the detector; it is
// free whenever the options dialog runs, as every user of the port lives in a modal dialog.
TOptionsForm::PortDetector OptionsPortDetector(SerialPort &port, QWidget *parent);

} // namespace korvanta
