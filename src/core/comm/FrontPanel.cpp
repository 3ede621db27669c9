#include "comm/FrontPanel.h"

#include "comm/BlockFrame.h"
#include "comm/CommTexts.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/LinkSettings.h"

namespace korvanta {

Answer FrontPanel::Ask(const std::string &text) {
    state_.lastAnswer = ui_.Ask(text, BoxIcon::Warning, BoxButtons::RetryCancel);
    return state_.lastAnswer;
}

bool FrontPanel::OpenPort(const std::string &name, bool reportErrors) {
    if (port_.Open(name, FrontPanelLink))
        return true;
    if (reportErrors) {
        Status(FormatText(texts::kCannotOpenFormat, name.c_str()));
        state_.lastAnswer = ui_.Ask(texts::kComPortError, BoxIcon::Warning, BoxButtons::Ok);
    }
    return false;
}

bool FrontPanel::SendCommand(const std::string &text, int attempts, bool silent) {
    for (;;) {
        for (int made = 0; made < attempts; ++made)
            if (ExchangeCommand(port_, state_.reply, text))
                return true;
        if (silent)
            return false;
        if (Ask(texts::kFailedToConnect) != Answer::Retry) {
            Status(texts::kSendAborted);
            return false;
        }
    }
}

IdentifyVerdict FrontPanel::Identify(std::size_t replyLength, int &attemptsMade) {
    IdentifyVerdict verdict;
    do {
        verdict = ExchangeIdentify(port_, state_.reply, replyLength);
        ++attemptsMade;
    } while (verdict == IdentifyVerdict::NoAnswer && attemptsMade < kIdentifyAttempts);
    return verdict;
}

bool FrontPanel::Connect(std::size_t replyLength, RetryCount count,
                         const std::function<bool()> &startRound) {
    int attemptsMade = 0;
    for (;;) {
        if (!startRound())
            return false;
        if (count == RetryCount::Fresh)
            attemptsMade = 0;
        const IdentifyVerdict verdict = Identify(replyLength, attemptsMade);
        if (verdict == IdentifyVerdict::Ready)
            return true;
        const char *question =
            verdict == IdentifyVerdict::Busy ? texts::kBusyOrLocked : texts::kFailedToConnect;
        if (Ask(question) != Answer::Retry)
            return false;
    }
}

bool FrontPanel::WaitTaskDone() {
    for (;;) {
        for (int poll = 0; poll < kTaskPolls; ++poll) {
            if (ExchangeTaskPoll(port_, state_.reply))
                return true;
            port_.Sleep(kTaskPollPauseMs);
            ui_.ProcessEvents();
        }
        if (Ask(texts::kNoConnection) == Answer::Cancel) {
            Status(texts::kSendAborted);
            return false;
        }
    }
}

bool FrontPanel::SendBlock(const uint8_t *data) {
    const BlockFrameBytes frame = BuildBlockFrame(data);
    int refused = 0;
    for (;;) {
        if (!SendCommand("WB1", kAnnounceAttempts))
            return false;
        if (ExchangeBlockFrame(port_, state_.reply, frame))
            return true;
        ui_.Repaint();
        if (++refused < kRefusedFramesBeforeAsking)
            continue;
        const Answer answer = Ask(texts::kNoConnection);
        Status(texts::kCommError);
        if (answer != Answer::Retry) {
            Status(texts::kSendAborted);
            return false;
        }
        refused = 0;
    }
}

bool FrontPanel::SendBlocks(const uint8_t *data, int firstNumber, int count) {
    ui_.ShowGauge(true);
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        const uint8_t *block = data + static_cast<std::size_t>(i) * kBlockBytes;
        if (BlockIsBlank(block))
            continue;
        ok = SendBlock(block) &&
             SendCommand(FormatText("PB1%03d", firstNumber + i), kAnnounceAttempts) &&
             SendCommand("TSK", kTaskAttempts);
        if (ok) {
            ui_.SetGauge((i + 1) * 100 / count);
            ui_.ProcessEvents();
        }
    }
    ui_.ShowGauge(false);
    ui_.SetGauge(0);
    ui_.ProcessEvents();
    return ok;
}

int FrontPanel::ReadParameter(int parameter) {
    int rounds = 0;
    for (;;) {
        if (rounds == kParameterReadRounds) {
            const Answer answer = Ask(texts::kNoConnection);
            Status(texts::kOptoError);
            if (answer != Answer::Retry) {
                Status(texts::kSendAborted);
                return -1;
            }
            rounds = 0;
        }
        ++rounds;
        const int value = ExchangeParameterRead(port_, state_.reply, parameter);
        if (value >= 0)
            return value;
    }
}

bool FrontPanel::WriteParameter(int parameter, uint16_t value) {
    return SendCommand(FormatText("EW%02X%04X", parameter, value), kParameterWriteAttempts);
}

} // namespace korvanta
