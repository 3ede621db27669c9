#pragma once

#include <functional>
#include <string>

#include "comm/CommUi.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace korvanta {

// The machine transfers shown in a dialog: status panels, gauge, hourglass and message boxes.
// The dialog supplies how its buttons are enabled and how a file is chosen.
class WidgetCommUi : public CommUi {
public:
    explicit WidgetCommUi(QWidget *dialog) : dialog_(dialog) {}
    ~WidgetCommUi() override;
    WidgetCommUi(const WidgetCommUi &) = delete;
    WidgetCommUi &operator=(const WidgetCommUi &) = delete;

    void SetPanels(QLabel *main, QLabel *detail) {
        main_ = main;
        detail_ = detail;
    }
    void SetGaugeBar(QProgressBar *gauge) { gauge_ = gauge; }
    std::function<void(bool)> enableTransfers;
    std::function<std::string(const FileRequest &)> chooseFile;

    void SetStatus(int panel, const std::string &text) override;
    void ShowGauge(bool visible) override;
    void SetGauge(int percent) override;
    void SetHourglass(bool on) override;
    void EnableTransfers(bool enabled) override;
    void Repaint() override;
    void ProcessEvents() override;
    Answer Ask(const std::string &text, BoxIcon icon, BoxButtons buttons) override;
    std::string ChooseFile(const FileRequest &request) override;
    // A file chosen in the save dialog keeps its ".bak" backup, as every save dialog's does.
    std::string BackupOf(const std::string &chosen) override;

private:
    QWidget *dialog_;
    QLabel *main_ = nullptr;
    QLabel *detail_ = nullptr;
    QProgressBar *gauge_ = nullptr;
    bool hourglass_ = false;
};

} // namespace korvanta
