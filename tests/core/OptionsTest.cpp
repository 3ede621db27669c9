#include <gtest/gtest.h>

#include <map>

#include "files/Options.h"

using namespace korvanta;

namespace {

// Options kept in memory as a registry key would keep them: typed values, or no key at all.
class MemoryOptionsStore : public OptionsStore {
public:
    std::map<std::string, std::variant<std::string, int>> values;
    bool keyExists = true;
    bool writable = true;

    bool KeyExists() const override { return keyExists; }
    StringOption GetString(const std::string &name) const override {
        const auto it = values.find(name);
        if (it == values.end())
            return {};
        if (const auto *text = std::get_if<std::string>(&it->second))
            return {OptionStatus::Ok, *text};
        return {OptionStatus::WrongType, {}};
    }
    IntegerOption GetInteger(const std::string &name) const override {
        const auto it = values.find(name);
        if (it == values.end())
            return {};
        if (const auto *number = std::get_if<int>(&it->second))
            return {OptionStatus::Ok, *number};
        return {OptionStatus::WrongType, 0};
    }
    bool Write(const std::vector<OptionEntry> &entries) override {
        if (!writable)
            return false;
        keyExists = true;
        for (const auto &entry : entries)
            values[entry.name] = entry.value;
        return true;
    }
};

MemoryOptionsStore FullStore() {
    MemoryOptionsStore store;
    store.values = {{"Com Port", std::string("COM7")},
                    {"ShowCaption", 0},
                    {"AdvancedMode", 1},
                    {"WarnFileChanged", 0},
                    {"WarnOverwriteFiles", 0},
                    {"LastBinDir", std::string("/b/x.bin")},
                    {"LastPriceDir", std::string("/p/y.prc")},
                    {"LastPrintDir", std::string("/r/z.txt")},
                    {"LastWashdataDir", std::string("/w/a.kvt")},
                    {"EnableDebug", kDebugAccessCode}};
    return store;
}

} // namespace

TEST(OptionsRead, MissingKeyGivesDefaults) {
    MemoryOptionsStore store = FullStore();
    store.keyExists = false;
    const ProgramOptions options = ReadOptions(store);
    EXPECT_EQ(options.portName, "COM1");
    EXPECT_TRUE(options.showCaption);
    EXPECT_FALSE(options.advancedMode);
    EXPECT_TRUE(options.warnFileChanged);
    EXPECT_TRUE(options.warnOverwriteFiles);
    EXPECT_TRUE(options.lastWashdataPath.empty());
    EXPECT_FALSE(options.debug);
}

TEST(OptionsRead, EveryValuePresent) {
    const ProgramOptions options = ReadOptions(FullStore());
    EXPECT_EQ(options.portName, "COM7");
    EXPECT_FALSE(options.showCaption);
    EXPECT_TRUE(options.advancedMode);
    EXPECT_FALSE(options.warnFileChanged);
    EXPECT_FALSE(options.warnOverwriteFiles);
    EXPECT_EQ(options.lastBinDir, "/b/x.bin");
    EXPECT_EQ(options.lastPriceDir, "/p/y.prc");
    EXPECT_EQ(options.lastPrintDir, "/r/z.txt");
    EXPECT_EQ(options.lastWashdataPath, "/w/a.kvt");
    EXPECT_TRUE(options.debug);
    EXPECT_FALSE(options.debugShortcutIsSpace);
}

// A switch that is missing or not an integer ends the reading: it and everything after it,
// the paths and the debug code keep their defaults.
TEST(OptionsRead, SwitchReadingStopsAtFirstBadValue) {
    const struct {
        const char *name;
        bool remove; // else store a text instead of an integer
        int switchesRead;
    } cases[] = {
        {"ShowCaption", true, 0},        {"AdvancedMode", true, 1}, {"WarnFileChanged", false, 2},
        {"WarnOverwriteFiles", true, 3}, {"ShowCaption", false, 0},
    };
    for (const auto &c : cases) {
        MemoryOptionsStore store = FullStore();
        if (c.remove)
            store.values.erase(c.name);
        else
            store.values[c.name] = std::string("1");
        const ProgramOptions options = ReadOptions(store);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(options.portName, "COM7");
        EXPECT_EQ(options.showCaption, c.switchesRead < 1 ? true : false);
        EXPECT_EQ(options.advancedMode, c.switchesRead < 2 ? false : true);
        EXPECT_EQ(options.warnFileChanged, c.switchesRead < 3 ? true : false);
        EXPECT_TRUE(options.warnOverwriteFiles);
        EXPECT_TRUE(options.lastBinDir.empty());
        EXPECT_TRUE(options.lastWashdataPath.empty());
        EXPECT_FALSE(options.debug);
    }
}

TEST(OptionsRead, PortAndDebugCode) {
    const struct {
        std::variant<std::string, int> port;
        std::optional<std::variant<std::string, int>> debugCode;
        std::string portName;
        bool debug;
        bool spaceShortcut;
    } cases[] = {
        {std::string(""), std::nullopt, "COM1", false, false},
        {std::string("COM3"), 1, "COM3", false, true},
        {std::string("COM3"), std::string("583062"), "COM3", false, false},
        {5, kDebugAccessCode, "COM1", true, false},
    };
    for (const auto &c : cases) {
        MemoryOptionsStore store = FullStore();
        store.values["Com Port"] = c.port;
        store.values.erase("EnableDebug");
        if (c.debugCode)
            store.values["EnableDebug"] = *c.debugCode;
        const ProgramOptions options = ReadOptions(store);
        EXPECT_EQ(options.portName, c.portName);
        EXPECT_EQ(options.debug, c.debug);
        EXPECT_EQ(options.debugShortcutIsSpace, c.spaceShortcut);
    }
}

TEST(OptionsSave, WritesTenValuesAndNeverTheDebugCode) {
    MemoryOptionsStore store;
    store.keyExists = false;
    ProgramOptions options;
    options.debug = true;
    options.lastWashdataPath = "/w/b.kvt";
    const SaveOptionsResult result = SaveOptions(store, options);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(store.values.size(), 10u);
    EXPECT_EQ(store.values.count("EnableDebug"), 0u);
    EXPECT_EQ(std::get<int>(store.values["ShowCaption"]), 1);
    EXPECT_EQ(std::get<int>(store.values["AdvancedMode"]), 0);
    EXPECT_EQ(std::get<std::string>(store.values["Com Port"]), "COM1");
    EXPECT_EQ(std::get<std::string>(store.values["LastWashdataDir"]), "/w/b.kvt");

    ProgramOptions reread = ReadOptions(store);
    EXPECT_EQ(reread.lastWashdataPath, "/w/b.kvt");
    EXPECT_FALSE(reread.debug);
}

TEST(OptionsSave, RefusedStoreGivesTheMessage) {
    MemoryOptionsStore store;
    store.writable = false;
    const SaveOptionsResult result = SaveOptions(store, ProgramOptions{});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Error writing options!");
    EXPECT_TRUE(store.values.empty());
}
