#include <gtest/gtest.h>

#include "files/SettingsFile.h"

using namespace korvanta;

namespace {

// Saving options rewrites only the lines of the saved keys: whatever else the file holds
// (other sections, comments, keys of other versions) stays as it was.
TEST(SettingsFile, SavingKeepsEveryOtherLine) {
    const struct {
        const char *name;
        std::string before;
        std::string after;
    } cases[] = {
        {"no file", "", "[General]\nCom%20Port=COM4\nShowCaption=0\n"},
        {"replaced in place, other lines kept",
         "; mine\n[General]\nShowCaption=1\nOld=x\r\nCom%20Port=COM1\n\n[Window]\nCom%20Port=y\n",
         "; mine\n[General]\nShowCaption=0\nOld=x\r\nCom%20Port=COM4\n\n[Window]\nCom%20Port=y\n"},
        {"added to the section, before the next", "[General]\nOld=x\n\n[Window]\na=1\n",
         "[General]\nOld=x\nCom%20Port=COM4\nShowCaption=0\n\n[Window]\na=1\n"},
        {"a section made at the top", "[Window]\na=1",
         "[General]\nCom%20Port=COM4\nShowCaption=0\n\n[Window]\na=1"},
        {"a later duplicate goes, a continued line with it",
         "[general]\nShowCaption=1\nShowCaption=2\\\n  3\nCom%20Port=COM1",
         "[general]\nShowCaption=0\nCom%20Port=COM4\n"},
        {"keys before the first section are general", "Old=x\n[Window]\na=1\n",
         "Old=x\nCom%20Port=COM4\nShowCaption=0\n[Window]\na=1\n"},
    };
    for (const auto &c : cases) {
        const std::string after =
            SettingsFile(c.before).With({{"ShowCaption", "0"}, {"Com Port", "COM4"}});
        EXPECT_EQ(after, c.after) << c.name;
        const SettingsFile reread(after);
        EXPECT_EQ(reread.Find("Com Port").value_or(SettingsValue{}).text, "COM4") << c.name;
        EXPECT_EQ(reread.Find("ShowCaption").value_or(SettingsValue{}).text, "0") << c.name;
    }
}

// Found by fuzzing: a file whose last line ends in a backslash (which carries a value on into
// the next line) swallowed the first added value; the line end may be missing, LF or a lone CR.
TEST(SettingsFile, AddedValuesFollowALastLineThatGoesOn) {
    for (const std::string before : {"[General]\nOld=x\\", "[General]\nOld=x\\\n",
                                     "[General]\nOld=x\\\r", "=C\btyUAdvan\\\\\\\\\\"}) {
        const SettingsFile after(SettingsFile(before).With({{"Com Port", "COM4"}}));
        EXPECT_EQ(after.Find("Com Port").value_or(SettingsValue{}).text, "COM4") << before;
        EXPECT_EQ(after.Find("Old").has_value(), before.find("Old") != std::string::npos);
        EXPECT_EQ(after.Find("Old").value_or(SettingsValue{}).text,
                  SettingsFile(before).Find("Old").value_or(SettingsValue{}).text);
    }
}

} // namespace
