#include "TerminalCommUi.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "KvtOutput.h"

namespace korvanta {

namespace {
constexpr int kBarWidth = 40;

// Question texts break their lines with CR; a terminal wants LF.
std::string TerminalText(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return Utf8(text);
}

const char *AnswerName(Answer answer) {
    switch (answer) {
    case Answer::Retry:
        return "Retry";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    default:
        return "Cancel";
    }
}
} // namespace

TerminalCommUi::TerminalCommUi(int retries, bool yes, std::string chosenPath)
    : retriesLeft_(retries), yes_(yes), chosenPath_(std::move(chosenPath)),
      terminal_(isatty(STDERR_FILENO) != 0) {}

void TerminalCommUi::PrintLine(const std::string &text) {
    ClearBar();
    std::fprintf(stderr, "%s\n", TerminalText(text).c_str());
    DrawBar();
}

void TerminalCommUi::SetStatus(int panel, const std::string &text) {
    std::string &shown = shown_[panel == kMainPanel ? 0 : 1];
    if (text == shown)
        return;
    shown = text;
    if (!text.empty())
        PrintLine(text);
}

void TerminalCommUi::ShowGauge(bool visible) {
    gaugeVisible_ = visible;
    if (visible)
        DrawBar();
    else
        ClearBar();
}

void TerminalCommUi::SetGauge(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    DrawBar();
}

void TerminalCommUi::DrawBar() {
    if (!terminal_ || !gaugeVisible_)
        return;
    const int filled = percent_ * kBarWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, ' ').c_str(), percent_);
    std::fflush(stderr);
    barDrawn_ = true;
}

void TerminalCommUi::ClearBar() {
    if (!barDrawn_)
        return;
    std::fprintf(stderr, "\r\033[K");
    barDrawn_ = false;
}

Answer TerminalCommUi::Ask(const std::string &text, BoxIcon, BoxButtons buttons) {
    PrintLine(text);
    Answer answer = Answer::Ok;
    if (buttons == BoxButtons::YesNo) {
        answer = yes_ ? Answer::Yes : Answer::No;
    } else if (buttons == BoxButtons::RetryCancel) {
        answer = retriesLeft_ > 0 ? Answer::Retry : Answer::Cancel;
        retriesLeft_ = std::max(0, retriesLeft_ - 1);
    }
    if (buttons != BoxButtons::Ok)
        PrintLine(std::string("-> ") + AnswerName(answer));
    return answer;
}

std::string TerminalCommUi::ChooseFile(const FileRequest &) {
    return chosenPath_;
}

} // namespace korvanta
