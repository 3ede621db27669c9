#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

namespace korvanta {

// Kind of a record in the wash data list. Values are the bytes stored in .kvt files.
enum class RecordType : uint8_t {
    CycleStart = 0,
    Fill = 1,
    Wash = 2,
    Supply = 3,
    Drain = 4,
    Spin = 5,
    Soak = 6,
    Aux = 7,
    Heat = 8,
    CycleEnd = 254,
    DataEnd = 255,
};

constexpr int kMaxCodes = 7;
constexpr int kMaxCycles = 99;
constexpr int kMaxStepsPerCycle = 99;
constexpr int kMaxTypedNameLength = 16; // typed in the main window
constexpr int kMaxNameLength = 17;      // as stored in files

// True for the eight step types 1..8.
bool IsStep(RecordType type);
// Number of codes present in a record of this type (Code1..CodeN); 0 for unknown types.
int CodeCount(RecordType type);

// One entry of the wash data list. Codes a type does not use are absent (not zero).
struct WashRecord {
    RecordType type = RecordType::DataEnd;
    std::array<std::optional<int>, kMaxCodes> codes{}; // Code1..Code7
    std::string name;                                    // CycleStart only, Windows-1252 bytes
    uint32_t time = 0; // seconds, estimated duration of a step; derived, never stored

    // n counts from 1 (Code1). An absent or out-of-range code reads as 0.
    int Code(int n) const;
    bool Has(int n) const;
    // Sets a code; n outside 1..7 is ignored.
    void SetCode(int n, int value);

    bool IsStep() const { return korvanta::IsStep(type); }

    // Same type, same present codes and (for CycleStart) the same name. Time is not compared.
    bool SameContent(const WashRecord &other) const;

    // A record of the type with its codes present and zero.
    static WashRecord MakeStep(RecordType type);
    // A record of the type holding exactly these codes from Code1 on (at most seven).
    static WashRecord WithCodes(RecordType type, std::initializer_list<int> codes);
    static WashRecord MakeCycleStart(int number, std::string name);
    static WashRecord MakeCycleEnd();
    static WashRecord MakeDataEnd();
};

} // namespace korvanta
