#include "sim/PanelReader.h"

#include "sim/PanelFrame.h"

namespace korvanta::sim {

namespace {
constexpr uint8_t kFirstPrintable = 0x21;
constexpr uint8_t kLastPrintable = 0x7E;
constexpr std::size_t kShortestFrame = 4; // STX, one character, checksum, ETX
} // namespace

std::optional<PanelRequest> PanelReader::Feed(uint8_t byte) {
    if (mode_ == Mode::Block) {
        bytes_.push_back(byte);
        return bytes_.size() == kBlockFrameBytes ? FinishBlock() : std::nullopt;
    }
    if (byte == kStx) { // neither text nor checksum can be STX: a new frame starts here
        mode_ = Mode::Frame;
        bytes_.assign(1, byte);
        return std::nullopt;
    }
    if (mode_ == Mode::Hunting)
        return std::nullopt;
    bytes_.push_back(byte);
    if (byte == kEtx)
        return FinishFrame();
    if (bytes_.size() >= kLongestFrame)
        Reset();
    return std::nullopt;
}

void PanelReader::ExpectBlock() {
    mode_ = Mode::Block;
    bytes_.clear();
}

void PanelReader::Reset() {
    mode_ = Mode::Hunting;
    bytes_.clear();
}

std::optional<PanelRequest> PanelReader::FinishFrame() {
    std::vector<uint8_t> frame;
    frame.swap(bytes_);
    mode_ = Mode::Hunting;
    if (frame.size() < kShortestFrame)
        return std::nullopt;
    std::size_t textEnd = frame.size() - 2;
    for (std::size_t i = 1; i < textEnd; ++i)
        if (frame[i] < kFirstPrintable || frame[i] > kLastPrintable)
            return std::nullopt;
    if (frame[textEnd] != FrameChecksum(frame.data() + 1, textEnd - 1))
        return std::nullopt;
    PanelRequest request;
    request.text.assign(frame.begin() + 1, frame.begin() + static_cast<long>(textEnd));
    return request;
}

std::optional<PanelRequest> PanelReader::FinishBlock() {
    PanelRequest request;
    request.kind = DecodeBlockFrame(bytes_.data(), request.data) ? PanelRequest::Kind::Block
                                                                 : PanelRequest::Kind::BadBlock;
    Reset();
    return request;
}

} // namespace korvanta::sim
