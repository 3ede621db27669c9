#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace korvanta {

// The closing row of the option dialogs: "OK" (BitBtnOK, the default button) and "Cancel"
// (BitBtnCancel, which rejects the dialog), at the right. The caller connects OK.
struct OkCancelButtons {
    QHBoxLayout *row;
    QPushButton *ok;
    QPushButton *cancel;
};

OkCancelButtons MakeOkCancelButtons(QDialog *dialog);

} // namespace korvanta
