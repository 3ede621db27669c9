#include "sim/FaultInjector.h"

#include "sim/PanelFrame.h"

namespace korvanta::sim {

namespace {
constexpr uint8_t kVersionVerdict = 'v';
constexpr uint8_t kSmallFlipLimit = 32; // a flip below 32 keeps a byte sum away from 0 and 32
constexpr std::size_t kSumCheckedFirst = 1;
constexpr std::size_t kSumCheckedLast = 5;
} // namespace

FaultInjector::FaultInjector(double dropRate, double corruptRate, uint32_t seed)
    : dropRate_(dropRate), corruptRate_(corruptRate), random_(seed) {}

bool FaultInjector::Chance(double rate) {
    if (rate <= 0.0)
        return false;
    // Drawn the same way on every platform, unlike the standard distributions.
    double draw = static_cast<double>(random_()) / 4294967296.0;
    return draw < rate;
}

uint32_t FaultInjector::Below(uint32_t limit) {
    return random_() % limit;
}

std::vector<uint8_t> FaultInjector::Pass(std::vector<uint8_t> reply, ReplyCheck check) {
    if (reply.empty() || Chance(dropRate_))
        return {};
    if (Chance(corruptRate_))
        Damage(reply, check);
    return reply;
}

void FaultInjector::Damage(std::vector<uint8_t> &reply, ReplyCheck check) {
    switch (check) {
    case ReplyCheck::VerdictByte: {
        if (reply.size() < 2)
            return;
        uint8_t damaged = 0;
        do
            damaged = static_cast<uint8_t>(reply[1] ^ (1 + Below(255)));
        while (damaged == kAck || damaged == kNak || damaged == kVersionVerdict);
        reply[1] = damaged;
        return;
    }
    case ReplyCheck::ByteSum: {
        if (reply.size() <= kSumCheckedLast)
            return;
        std::size_t at = kSumCheckedFirst + Below(kSumCheckedLast - kSumCheckedFirst + 1);
        reply[at] = static_cast<uint8_t>(reply[at] ^ (1 + Below(kSmallFlipLimit - 1)));
        return;
    }
    case ReplyCheck::RowsAndColumns: {
        std::size_t at = Below(static_cast<uint32_t>(reply.size()));
        reply[at] = static_cast<uint8_t>(reply[at] ^ (1 + Below(255)));
        return;
    }
    case ReplyCheck::NetworkText: {
        // Between the start character and the two checksum digits and CR; never into a
        // framing character or the "O" that a cycle confirmation accepts unchecked.
        if (reply.size() < 5)
            return;
        std::size_t at = 1 + Below(static_cast<uint32_t>(reply.size() - 4));
        uint8_t damaged = 0;
        do
            damaged = static_cast<uint8_t>(reply[at] ^ (1 + Below(kSmallFlipLimit - 1)));
        while (damaged == 'O' || damaged == ';' || damaged == '\r');
        reply[at] = damaged;
        return;
    }
    }
}

} // namespace korvanta::sim
