#include "comm/VerifyReply.h"

#include "comm/CommandFrame.h"
#include "comm/FrontPanelCodes.h"

namespace korvanta {

namespace {
constexpr std::size_t kFirstEtxIndex = 2;
constexpr std::size_t kLastEtxIndex = 51;
constexpr std::size_t kChecksumWithoutEtx = 50;

std::size_t ChecksumIndex(const ReplyBuffer &reply) {
    for (std::size_t i = kFirstEtxIndex; i <= kLastEtxIndex; ++i)
        if (reply.At(i) == kEtx)
            return i - 1;
    return kChecksumWithoutEtx;
}
} // namespace

bool VerifyReply(const ReplyBuffer &reply) {
    static_assert(kReplyBufferBytes > kLastEtxIndex);
    if (reply.At(0) != kStx)
        return false;
    const std::size_t at = ChecksumIndex(reply);
    return reply.At(at) == FrameChecksum(reply.bytes.data() + 1, at - 1);
}

} // namespace korvanta
