// The options file on any bytes, read as the options are read and saved as they are saved:
// after a save every saved option reads back as it was given, and every other value of the
// file reads as it did before.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "files/SettingsFile.h"

using namespace korvanta;

namespace {

void Check(bool holds) {
    if (!holds)
        std::abort();
}

bool SameValue(const std::optional<SettingsValue> &a, const std::optional<SettingsValue> &b) {
    return a.has_value() == b.has_value() && (!a || (a->isText == b->isText && a->text == b->text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    // The first half of the input is the file, the second a text to save.
    const std::string file(bytes, bytes + size / 2);
    const std::string text(bytes + size / 2, bytes + size);
    const std::vector<std::pair<std::string, std::string>> saved = {
        {"Com Port", text}, {"ShowCaption", "1"}, {"LastWashdataDir", "@" + text + ", ;="}};
    const std::vector<std::string> others = {"Other", "a", "A", "General", "x/y", "Com%20Port"};

    const SettingsFile before(file);
    for (const auto &[key, value] : saved)
        before.Find(key);
    const SettingsFile after(before.With(saved));
    for (const auto &[key, value] : saved) {
        const std::optional<SettingsValue> read = after.Find(key);
        Check(read && read->isText && read->text == value);
    }
    for (const std::string &key : others)
        Check(SameValue(before.Find(key), after.Find(key)));
    return 0;
}
