#include "sim/FrontPanel.h"

#include "sim/HexText.h"
#include "sim/PanelFrame.h"
#include "sim/VersionTexts.h"

namespace korvanta::sim {

namespace {

constexpr unsigned kCoinLetter = 'C';
constexpr unsigned kLargestCycleLastBlock = kCycleBlockCount - 1;
constexpr unsigned kLargestAnnouncedBlock = 0xFFF;
constexpr std::size_t kParameterAddressDigits = 2;
constexpr std::size_t kParameterValueDigits = 4;

std::vector<uint8_t> Bytes(const std::string &text) {
    return {text.begin(), text.end()};
}

// The drains byte travels with its nibbles swapped: 0x12 is sent as the digits "21".
unsigned SwappedNibbles(uint8_t value) {
    return static_cast<unsigned>((value & 0x0F) << 4 | value >> 4);
}

bool StartsWith(const std::string &text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

FrontPanel::FrontPanel(const ControllerOptions &options, MachineMemory &memory,
                       FaultInjector &faults, std::vector<std::string> &log)
    : options_(options), memory_(memory), faults_(faults), log_(log),
      busyIdentificationsLeft_(options.busyIdentifications) {}

std::vector<uint8_t> FrontPanel::Receive(const uint8_t *data, std::size_t n) {
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i < n; ++i) {
        auto request = reader_.Feed(data[i]);
        if (!request)
            continue;
        Reply reply = Answer(*request);
        auto sent = faults_.Pass(std::move(reply.bytes), reply.check);
        out.insert(out.end(), sent.begin(), sent.end());
    }
    return out;
}

FrontPanel::Reply FrontPanel::Answer(const PanelRequest &request) {
    switch (request.kind) {
    case PanelRequest::Kind::Block:
    case PanelRequest::Kind::BadBlock:
        return TakeBlock(request);
    case PanelRequest::Kind::Command:
        break;
    }
    log_.push_back(request.text);
    return Dispatch(request.text);
}

FrontPanel::Reply FrontPanel::Dispatch(const std::string &text) {
    // "ERA" must be tried before "ER": "ERA0" would otherwise read as parameter 0xA0.
    if (text == "I")
        return Identify();
    if (text == "VER")
        return Version();
    if (text == "ATT")
        return {ShortReply(kAck)};
    if (text == "TSK")
        return TaskPoll();
    if (text == "WB1")
        return AnnounceBlock();
    if (text == "NBB")
        return BlockCount();
    if (text == "STA")
        return Start();
    std::string_view rest(text);
    if (StartsWith(text, "ERA"))
        return Erase(rest.substr(3));
    if (StartsWith(text, "WLB"))
        return LastBlock(rest.substr(3));
    if (StartsWith(text, "PB1"))
        return ProgramBlock(rest.substr(3));
    if (StartsWith(text, "RBL"))
        return ReadBlock(rest.substr(3));
    if (StartsWith(text, "EW"))
        return WriteParameter(rest.substr(2));
    if (StartsWith(text, "ER"))
        return ReadParameter(rest.substr(2));
    return {ShortReply(kNak)};
}

FrontPanel::Reply FrontPanel::Identify() {
    uint8_t verdict = kAck;
    if (busyIdentificationsLeft_ > 0) {
        --busyIdentificationsLeft_;
        verdict = kNak;
    }
    std::vector<uint8_t> payload{verdict};
    for (char c :
         HexDigits(options_.machineType, 2) + HexDigits(SwappedNibbles(options_.drains), 2))
        payload.push_back(static_cast<uint8_t>(c));
    if (options_.coin)
        payload.push_back(kCoinLetter);
    return {FramedReply(payload)};
}

FrontPanel::Reply FrontPanel::Version() const {
    std::vector<uint8_t> payload{kAck};
    for (const std::string &text : VersionTexts(options_)) {
        std::string field = text.substr(0, kVersionTextBytes);
        field.resize(kVersionTextBytes, '\0');
        payload.insert(payload.end(), field.begin(), field.end());
    }
    return {FramedReply(payload)};
}

FrontPanel::Reply FrontPanel::Erase(std::string_view sector) {
    if (sector == "0") {
        memory_.EraseCycles();
        erased_ = Region::Cycles;
    } else if (sector == "2" || sector == "3") {
        memory_.EraseSoftwareSector(sector == "2" ? 0 : 1);
        erased_ = Region::Software;
    } else {
        return {ShortReply(kNak)};
    }
    busyPollsLeft_ = options_.eraseBusyPolls;
    return {ShortReply(kAck)};
}

FrontPanel::Reply FrontPanel::TaskPoll() {
    if (busyPollsLeft_ > 0) {
        --busyPollsLeft_;
        return {ShortReply(kNak)};
    }
    return {ShortReply(kAck)};
}

// The number of the last block of the coming download; for cycles it fixes how many blocks
// make up the stored file, since blocks that are all 0xFF are never sent.
FrontPanel::Reply FrontPanel::LastBlock(std::string_view number) {
    unsigned last = 0;
    if ((number.size() != 2 && number.size() != 3) || !ParseHex(number, last) ||
        last > kLargestAnnouncedBlock || erased_ == Region::None)
        return {ShortReply(kNak)};
    if (erased_ == Region::Cycles) {
        if (last > kLargestCycleLastBlock)
            return {ShortReply(kNak)};
        memory_.SetStoredCycleBlocks(static_cast<int>(last) + 1);
    }
    return {ShortReply(kAck)};
}

FrontPanel::Reply FrontPanel::AnnounceBlock() {
    reader_.ExpectBlock();
    return {ShortReply(kAck)};
}

FrontPanel::Reply FrontPanel::TakeBlock(const PanelRequest &request) {
    if (request.kind == PanelRequest::Kind::BadBlock) {
        log_.push_back("<bad block>");
        return {ShortReply(kNak)};
    }
    log_.push_back("<block>");
    pendingBlock_ = request.data;
    blockPending_ = true;
    return {ShortReply(kAck)};
}

// Programs the last block received. The block stays pending, so a repeated "PB1" after a lost
// acknowledgement writes the same data again.
FrontPanel::Reply FrontPanel::ProgramBlock(std::string_view number) {
    unsigned block = 0;
    if (number.size() != 3 || !ParseDecimal(number, block) || !blockPending_)
        return {ShortReply(kNak)};
    if (block < static_cast<unsigned>(kCycleBlockCount))
        memory_.WriteCycleBlock(static_cast<int>(block), pendingBlock_.data());
    else if (block >= static_cast<unsigned>(kFirstSoftwareBlock) &&
             block <= static_cast<unsigned>(kLastSoftwareBlock))
        memory_.WriteSoftwareBlock(static_cast<int>(block) - kFirstSoftwareBlock,
                                   pendingBlock_.data());
    else
        return {ShortReply(kNak)};
    busyPollsLeft_ = options_.programBusyPolls;
    return {ShortReply(kAck)};
}

// STX, ACK, then the block count high byte first: four bytes, no checksum.
FrontPanel::Reply FrontPanel::BlockCount() const {
    auto count = static_cast<unsigned>(memory_.StoredCycleBlocks());
    return {{kStx, kAck, static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count & 0xFF)}};
}

FrontPanel::Reply FrontPanel::ReadBlock(std::string_view number) const {
    unsigned block = 0;
    if (number.size() != 3 || !ParseDecimal(number, block) ||
        block >= static_cast<unsigned>(kCycleBlockCount))
        return {ShortReply(kNak)};
    return {EncodeBlockFrame(memory_.CycleBlock(static_cast<int>(block))),
            ReplyCheck::RowsAndColumns};
}

FrontPanel::Reply FrontPanel::Start() {
    erased_ = Region::None;
    blockPending_ = false;
    return {ShortReply(kAck)};
}

FrontPanel::Reply FrontPanel::WriteParameter(std::string_view fields) {
    unsigned address = 0, value = 0;
    if (fields.size() != kParameterAddressDigits + kParameterValueDigits ||
        !ParseHex(fields.substr(0, kParameterAddressDigits), address) ||
        !ParseHex(fields.substr(kParameterAddressDigits), value) ||
        !MachineMemory::HasParameter(static_cast<int>(address)))
        return {ShortReply(kNak)};
    memory_.SetParameter(static_cast<int>(address), static_cast<uint16_t>(value));
    return {ShortReply(kAck)};
}

// STX, the value as four hex digits, checksum, ETX.
FrontPanel::Reply FrontPanel::ReadParameter(std::string_view number) const {
    unsigned address = 0;
    if (number.size() != kParameterAddressDigits || !ParseHex(number, address) ||
        !MachineMemory::HasParameter(static_cast<int>(address)))
        return {ShortReply(kNak)};
    return {FramedReply(Bytes(HexDigits(memory_.Parameter(static_cast<int>(address)), 4))),
            ReplyCheck::ByteSum};
}

} // namespace korvanta::sim
