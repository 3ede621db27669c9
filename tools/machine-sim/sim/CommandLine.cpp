#include "sim/CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

namespace korvanta::sim {

namespace {

constexpr long kLargestType = 0xFF;
constexpr long kLargestDrains = 0xFF;
constexpr long kLargestCount = 1000000;
constexpr long kLargestSeed = 0xFFFFFFFFL;
constexpr long kLargestTurnaroundMs = 10000;
constexpr long kLargestBaud = 4000000;
constexpr long kLargestNetworkAddress = 0xFE; // 0xFF is the broadcast address

std::optional<long> Number(const std::string &text, long largest) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ')
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    long value = std::strtol(text.c_str(), &end, text.rfind("0x", 0) == 0 ? 16 : 10);
    if (errno != 0 || *end != '\0' || value > largest)
        return std::nullopt;
    return value;
}

std::optional<double> Rate(const std::string &text) {
    if (text.empty() || text[0] == ' ')
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !(value >= 0.0 && value <= 1.0))
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> Addresses(const std::string &text) {
    std::vector<int> addresses;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        std::size_t end = comma == std::string::npos ? text.size() : comma;
        auto address = Number(text.substr(start, end - start), kLargestNetworkAddress);
        if (!address)
            return std::nullopt;
        for (int known : addresses)
            if (known == *address)
                return std::nullopt;
        addresses.push_back(static_cast<int>(*address));
        start = end + 1;
    }
    return addresses;
}

using Setter = std::function<bool(const std::string &, SimSettings &)>;

Setter Integer(long largest, std::function<void(SimSettings &, long)> store) {
    return [=](const std::string &text, SimSettings &s) {
        auto value = Number(text, largest);
        if (value)
            store(s, *value);
        return value.has_value();
    };
}

Setter Fraction(std::function<void(SimSettings &, double)> store) {
    return [=](const std::string &text, SimSettings &s) {
        auto value = Rate(text);
        if (value)
            store(s, *value);
        return value.has_value();
    };
}

Setter Text(std::function<void(SimSettings &, const std::string &)> store) {
    return [=](const std::string &text, SimSettings &s) {
        store(s, text);
        return true;
    };
}

const std::map<std::string, Setter> &ValueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--type", Integer(kLargestType,
                           [](SimSettings &s, long v) { s.controller.machineType = static_cast<uint8_t>(v); })},
        {"--drains", Integer(kLargestDrains,
                             [](SimSettings &s, long v) { s.controller.drains = static_cast<uint8_t>(v); })},
        {"--boot", Text([](SimSettings &s, const std::string &t) { s.controller.bootText = t; })},
        {"--firmware", Text([](SimSettings &s, const std::string &t) { s.controller.firmwareText = t; })},
        {"--keyboard", Text([](SimSettings &s, const std::string &t) { s.controller.keyboardText = t; })},
        {"--hardware", Text([](SimSettings &s, const std::string &t) { s.controller.hardwareText = t; })},
        {"--busy", Integer(kLargestCount,
                           [](SimSettings &s, long v) { s.controller.busyIdentifications = static_cast<int>(v); })},
        {"--corrupt", Fraction([](SimSettings &s, double v) { s.controller.corruptRate = v; })},
        {"--drop", Fraction([](SimSettings &s, double v) { s.controller.dropRate = v; })},
        {"--seed", Integer(kLargestSeed,
                           [](SimSettings &s, long v) { s.controller.seed = static_cast<uint32_t>(v); })},
        {"--erase-polls", Integer(kLargestCount,
                                  [](SimSettings &s, long v) { s.controller.eraseBusyPolls = static_cast<int>(v); })},
        {"--turnaround", Integer(kLargestTurnaroundMs,
                                 [](SimSettings &s, long v) { s.turnaroundMs = static_cast<int>(v); })},
        {"--baud", Integer(kLargestBaud, [](SimSettings &s, long v) { s.baud = static_cast<int>(v); })},
        {"--memory", Text([](SimSettings &s, const std::string &t) { s.memoryDir = t; })},
        {"--link", Text([](SimSettings &s, const std::string &t) { s.linkPath = t; })},
        {"--log", Text([](SimSettings &s, const std::string &t) { s.logPath = t; })},
        {"--network", [](const std::string &text, SimSettings &s) {
             auto addresses = Addresses(text);
             if (addresses)
                 s.controller.networkAddresses = *addresses;
             return addresses.has_value();
         }},
    };
    return options;
}

bool Fail(std::string *error, const std::string &text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

bool ParseCommandLine(const std::vector<std::string> &args, SimSettings &settings,
                      std::string *error) {
    SimSettings parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--coin" && !value) {
            parsed.controller.coin = true;
            continue;
        }
        if ((name == "--help" || name == "-h") && !value) {
            parsed.help = true;
            continue;
        }
        if (name == "--version" && !value) {
            parsed.version = true;
            continue;
        }
        auto option = ValueOptions().find(name);
        if (option == ValueOptions().end())
            return Fail(error, "unknown option " + name);
        if (!value) {
            if (i + 1 >= args.size())
                return Fail(error, name + " needs a value");
            value = args[++i];
        }
        if (!option->second(*value, parsed))
            return Fail(error, "bad value for " + name + ": " + *value);
    }
    settings = parsed;
    return true;
}

std::string UsageText() {
    return "usage: korvanta-machine-sim [--type N] [--drains 0xNN] [--coin] [--boot TEXT]\n"
           "    [--firmware TEXT] [--keyboard TEXT] [--hardware TEXT] [--busy N]\n"
           "    [--corrupt RATE] [--drop RATE] [--seed N] [--erase-polls N]\n"
           "    [--turnaround MS] [--baud N] [--memory DIR] [--network ADDR,ADDR..]\n"
           "    [--link PATH] [--log PATH] [--help] [--version]\n"
           "Serves a simulated washer-extractor controller on a pseudo-terminal; the first\n"
           "line printed names the terminal. Ends on SIGTERM or SIGINT, saving --memory.\n";
}

} // namespace korvanta::sim
