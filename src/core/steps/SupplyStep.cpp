#include "steps/SupplyStep.h"

#include <array>

#include "config/MachineTypeTable.h"
#include "steps/StepDescription.h"

namespace korvanta {

namespace {

constexpr std::array<const char *, kSupplyButtonsPerCode> kSoapCaptions3{
    "1: Soap A", "2: Soap B", "3: Soap C", "", "", ""};
constexpr std::array<const char *, kSupplyButtonsPerCode> kSoapCaptions4{
    "A: Softener - Hot", "B: Prewash - Hot", "C: Prewash - Cold",
    "D: Bleach - Cold",  "E: Wash - Hot",    "F: Wash - Cold"};
constexpr std::array<const char *, kSupplyButtonsPerCode> kRemoteNames{
    "Remote detergent", "Remote bleach",      "Remote sour",
    "Remote softener",  "Remote specialty 1", "Remote specialty 2"};

// The description names bits 0..6; bit 6 has no button but files may carry it.
constexpr int kDescribedBits = 7;

bool ValidBit(int bit) {
    return bit >= 0 && bit < kSupplyButtonsPerCode;
}

// Soaps are letters on the 4-compartment generation and numbers 1.. on the older one; remote
// supplies are numbered after the soaps on the older generation (4..) and from 1 on the newer.
std::string SoapName(int bit, bool compartmentMachine) {
    if (compartmentMachine)
        return std::string(1, static_cast<char>('A' + bit));
    return std::to_string(bit + 1);
}

std::string RemoteName(int bit, bool compartmentMachine) {
    return std::to_string(compartmentMachine ? bit + 1 : bit + 4);
}

} // namespace

std::string SoapButtonCaption(int bit, bool compartmentMachine) {
    if (!ValidBit(bit))
        return {};
    return compartmentMachine ? kSoapCaptions4[bit] : kSoapCaptions3[bit];
}

std::string RemoteSupplyButtonCaption(int bit, bool compartmentMachine) {
    if (!ValidBit(bit))
        return {};
    return RemoteName(bit, compartmentMachine) + ": " + kRemoteNames[bit];
}

std::string InitialSoapButtonCaption(int bit) {
    if (bit >= 3 && bit < kSupplyButtonsPerCode)
        return std::to_string(bit + 7) + ": soap " + std::string(1, static_cast<char>('A' + bit));
    return SoapButtonCaption(bit, false);
}

int WithSupplyButtonBits(int code, int buttonBits) {
    return (code & ~kSupplyButtonBits) | (buttonBits & kSupplyButtonBits);
}

int SupplySecondsAfterMinimumRule(bool compartmentMachine, int soapBits, int minutes, int seconds) {
    const bool flushedSoap = (soapBits & kSupplyFlushedSoapBits) != 0;
    if (compartmentMachine && flushedSoap && minutes == 0 && seconds < kSupplyMinimumSoapSeconds)
        return kSupplyMinimumSoapSeconds;
    return seconds;
}

std::string SupplyStepDescription(const WashRecord &step, const MachineConfig &config) {
    const bool compartment = IsCompartmentMachine(config.machineType);
    std::string text = "Supply";
    bool first = true;
    auto append = [&](const std::string &name) {
        text += first ? " " : ", ";
        text += name;
        first = false;
    };
    for (int bit = 0; bit < kDescribedBits; ++bit)
        if (step.Code(1) & (1 << bit))
            append(SoapName(bit, compartment));
    for (int bit = 0; bit < kDescribedBits; ++bit)
        if (step.Code(2) & (1 << bit))
            append(RemoteName(bit, compartment));
    return first ? "No supply" : text;
}

} // namespace korvanta
