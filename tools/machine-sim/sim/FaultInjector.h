#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace korvanta::sim {

// How the computer judges a reply, and so which byte a damage must hit to be noticed.
enum class ReplyCheck {
    VerdictByte,    // only index 1 (ACK, NAK, "v") decides: short replies, "I", "VER", "NBB"
    ByteSum,        // indexes 1..5 must sum to 0 or 32: the parameter reply
    RowsAndColumns, // every row of a block frame sums to 0
    NetworkText,    // ";", address, text, hex checksum, CR: any byte of the text
};

// Loses or damages a seeded share of the reply frames. A damaged frame always fails the check
// its receiver applies, so the damage costs a retry and never slips through as other data.
class FaultInjector {
public:
    FaultInjector(double dropRate, double corruptRate, uint32_t seed);

    // Empty when the reply is lost; otherwise the reply, damaged or not.
    std::vector<uint8_t> Pass(std::vector<uint8_t> reply, ReplyCheck check);

private:
    bool Chance(double rate);
    uint32_t Below(uint32_t limit);
    void Damage(std::vector<uint8_t> &reply, ReplyCheck check);

    double dropRate_;
    double corruptRate_;
    std::mt19937 random_;
};

} // namespace korvanta::sim
