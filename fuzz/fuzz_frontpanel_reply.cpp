// The front-panel procedures against a machine that answers anything: identification, version
// texts, board information, status polls, and the block replies of read cycles, read prices
// and the life-test setting. The first byte chooses the procedure and the user's retries; the
// rest is what the machine sends, read after read.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "FuzzLine.h"
#include "comm/BoardInfo.h"
#include "comm/CycleTransfer.h"
#include "comm/FrontPanel.h"
#include "comm/IdentifyReply.h"
#include "comm/LifeTestTransfer.h"
#include "comm/PricesTransfer.h"
#include "comm/VerifyReply.h"
#include "comm/VersionReply.h"

using namespace korvanta;

namespace {

// The single-reply parsers on the input laid into a reply buffer.
void ParseReply(const uint8_t *bytes, std::size_t size) {
    ReplyBuffer reply;
    reply.received = std::min(size, reply.bytes.size());
    std::copy_n(bytes, reply.received, reply.bytes.begin());
    ReadIdentifyReply(reply);
    VerifyReply(reply);
    HexWord(reply, 2);
    const VersionTexts texts = ReadVersionTexts(reply);
    VersionNumber(texts.boot);
    VersionNumber(texts.firmware);
    KeypadKindOf(texts);
}

void RunProcedure(int which, FrontPanel &panel) {
    switch (which) {
    case 0: {
        const std::string out = fuzz::ScratchPath("read.kvt");
        ReadCycles(panel, out);
        std::remove(out.c_str());
        break;
    }
    case 1:
        ReadPrices(panel);
        break;
    case 2:
        ReadLifeTest(panel);
        break;
    case 3:
        WriteLifeTest(panel, true);
        break;
    default:
        RequestBoardInfo(panel, "fuzz");
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    if (size == 0)
        return 0;
    ParseReply(bytes + 1, size - 1);
    fuzz::FuzzPort port(bytes + 1, size - 1);
    fuzz::FuzzUi ui(bytes[0] >> 5);
    FrontPanelState state;
    FrontPanel panel(port, ui, state);
    port.Open("fuzz", LinkSettings{});
    RunProcedure(bytes[0] & 0x07, panel);
    return 0;
}
