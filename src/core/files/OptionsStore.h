#pragma once

#include <string>
#include <variant>
#include <vector>

namespace korvanta {

// How a typed read of one stored option went.
enum class OptionStatus {
    Ok,        // present and of the asked type
    Missing,   // no such value under the options key
    WrongType, // present, but not of the asked type (for example "3.5" read as an integer)
};

struct StringOption {
    OptionStatus status = OptionStatus::Missing;
    std::string value;
};

struct IntegerOption {
    OptionStatus status = OptionStatus::Missing;
    int value = 0;
};

// One value to write: a string or an integer under its name.
struct OptionEntry {
    std::string name;
    std::variant<std::string, int> value;
};

// The per-user store that keeps the program options under one key (the registry key
// "\software\KVT\KorvantaPlanner\" on Windows, a settings file elsewhere).
class OptionsStore {
public:
    virtual ~OptionsStore() = default;

    // True when the options key exists. Asking never creates it.
    virtual bool KeyExists() const = 0;
    virtual StringOption GetString(const std::string &name) const = 0;
    virtual IntegerOption GetInteger(const std::string &name) const = 0;

    // Opens the key for writing (creating it when missing) and writes every entry. Returns
    // false, having written nothing, when the key cannot be opened or created for writing,
    // and false when the written values could not be kept.
    virtual bool Write(const std::vector<OptionEntry> &entries) = 0;
};

} // namespace korvanta
