#pragma once

#include <string>

#include "model/UserMessage.h"

namespace korvanta {

// The answer to a message box or question. A box closed without a button counts as Cancel.
enum class Answer { None, Ok, Cancel, Retry, Yes, No };
// The icons and buttons are those of every message box of the program; a transfer uses Ok,
// RetryCancel and YesNo, and its answers are exactly the buttons offered.
using BoxIcon = MessageIcon;
using BoxButtons = MessageButtons;

// A file the user is asked for.
struct FileRequest {
    std::string description; // "Korvanta software", "Prices data"
    std::string extension;   // without the point
    bool save = false;       // save mode, else open mode
};

constexpr int kMainPanel = 0;   // what is happening, then the result
constexpr int kDetailPanel = 1; // details, emptied at the end of each transfer

// What the machine transfers show and ask. The communication dialogs implement it with
// widgets, the command-line tool on the terminal, tests with a script of answers.
class CommUi {
public:
    virtual ~CommUi() = default;

    virtual void SetStatus(int panel, const std::string &text) = 0;
    virtual void ShowGauge(bool visible) = 0;
    virtual void SetGauge(int percent) = 0;
    virtual void SetHourglass(bool on) = 0;
    // Off: every transfer button, OK and the life-test check box are disabled. On: back to the
    // idle state, where Write Cycles depends on the working file.
    virtual void EnableTransfers(bool enabled) = 0;
    virtual void Repaint() = 0;
    virtual void ProcessEvents() = 0;
    virtual Answer Ask(const std::string &text, BoxIcon icon, BoxButtons buttons) = 0;
    // The chosen path, or empty when the user chose none.
    virtual std::string ChooseFile(const FileRequest &request) = 0;
    // Where a file chosen for saving keeps the content it replaces, or empty for nowhere. The
    // save that follows keeps it there only once the new content is safely in place.
    virtual std::string BackupOf(const std::string &chosen) {
        (void)chosen;
        return {};
    }

    void Warn(const std::string &text) { Ask(text, BoxIcon::Warning, BoxButtons::Ok); }
    void Inform(const std::string &text) { Ask(text, BoxIcon::None, BoxButtons::Ok); }
};

} // namespace korvanta
