#pragma once

#include <string>

#include "comm/CommUi.h"

namespace korvanta {

// The transfers on a terminal: status texts on stderr as they change, a progress bar while the
// gauge is shown and stderr is a terminal, questions answered from the command-line flags.
class TerminalCommUi : public CommUi {
public:
    // retries: Retry/Cancel questions answered Retry that often, then Cancel. yes: Yes/No
    // questions answered Yes. chosenPath: the file every file question gets.
    TerminalCommUi(int retries, bool yes, std::string chosenPath);

    void SetStatus(int panel, const std::string &text) override;
    void ShowGauge(bool visible) override;
    void SetGauge(int percent) override;
    void SetHourglass(bool) override {}
    void EnableTransfers(bool) override {}
    void Repaint() override {}
    void ProcessEvents() override {}
    Answer Ask(const std::string &text, BoxIcon icon, BoxButtons buttons) override;
    std::string ChooseFile(const FileRequest &request) override;

private:
    void PrintLine(const std::string &text);
    void DrawBar();
    void ClearBar();

    int retriesLeft_;
    bool yes_;
    std::string chosenPath_;
    std::string shown_[2];
    bool terminal_;
    bool gaugeVisible_ = false;
    bool barDrawn_ = false;
    int percent_ = 0;
};

} // namespace korvanta
