#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "comm/CommUi.h"
#include "comm/FrontPanelExchange.h"
#include "comm/ReplyBuffer.h"
#include "comm/SerialPort.h"

namespace korvanta {

// What the front-panel dialog keeps for the life of the program, across openings.
struct FrontPanelState {
    ReplyBuffer reply;
    Answer lastAnswer = Answer::None; // answer to the last question; Cancel marks a failure
    int bootVersion = 0;              // from the last accepted version reply
    int firmwareVersion = 0;
    char keypadKind = 0; // 0 until a version reply was accepted
};

// How Retry after a failed identification counts attempts.
enum class RetryCount {
    Fresh,    // another 10 attempts
    Continued // the count goes on: once 10 are used, each Retry makes one attempt
};

// The front-panel procedures: they retry, put questions to the user and report, on top of the
// single exchanges of FrontPanelExchange.
class FrontPanel {
public:
    FrontPanel(SerialPort &port, CommUi &ui, FrontPanelState &state)
        : port_(port), ui_(ui), state_(state) {}

    SerialPort &Port() { return port_; }
    CommUi &Ui() { return ui_; }
    FrontPanelState &State() { return state_; }
    const ReplyBuffer &Reply() const { return state_.reply; }

    // Opens the port for the front connector. When reportErrors: "Cannot open %s!" in the main
    // panel and the warning "Com port error!".
    bool OpenPort(const std::string &name, bool reportErrors);

    // Sends a command until accepted or the attempts are used up; then, unless silent, asks
    // "Failed to connect to washing machine!" (Retry: a fresh count; Cancel: "Send aborted!").
    bool SendCommand(const std::string &text, int attempts, bool silent = false);
    // Sends "I" until the machine answers ACK or NAK or `attemptsMade` reaches 10.
    IdentifyVerdict Identify(std::size_t replyLength, int &attemptsMade);
    // The connection phase: `startRound` (status texts and checks; false fails the phase) then
    // Identify, asking the busy or failed question until the machine is ready or the user
    // cancels.
    bool Connect(std::size_t replyLength, RetryCount count,
                 const std::function<bool()> &startRound);
    // Polls "TSK" until the machine's task is done; asks "No connection!" after 20 polls.
    bool WaitTaskDone();
    // Sends `count` blocks of 256 bytes numbered from firstNumber; blank blocks are skipped.
    bool SendBlocks(const uint8_t *data, int firstNumber, int count);
    // Reads one 16-bit parameter, asking "No connection!" after every 10 failed rounds; -1
    // when the user cancelled.
    int ReadParameter(int parameter);
    bool WriteParameter(int parameter, uint16_t value);

private:
    Answer Ask(const std::string &text);
    void Status(const std::string &text) { ui_.SetStatus(kMainPanel, text); }
    bool SendBlock(const uint8_t *data);

    SerialPort &port_;
    CommUi &ui_;
    FrontPanelState &state_;
};

} // namespace korvanta
