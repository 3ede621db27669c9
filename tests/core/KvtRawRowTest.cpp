#include <gtest/gtest.h>

#include "files/RawRecordRow.h"

using namespace korvanta;

TEST(KvtRawRow, CellsPerRecordKind) {
    WashRecord wash = WashRecord::MakeStep(RecordType::Wash);
    wash.SetCode(1, 5);
    wash.SetCode(7, 255);
    wash.time = 3660;
    WashRecord unknown;
    unknown.type = static_cast<RecordType>(9);
    unknown.SetCode(2, 4);
    WashRecord drainWithoutCode3 = WashRecord::MakeStep(RecordType::Drain);
    drainWithoutCode3.codes[2].reset();
    const std::pair<WashRecord, RawRow> cases[] = {
        {WashRecord::MakeCycleStart(42, "Wool 30\xB0"),
         {"0", "42", "Wool 30\xB0", "", "", "", "", "", ""}},
        {wash, {"2", "5", "0", "0", "0", "0", "0", "255", "3660"}},
        {drainWithoutCode3, {"4", "0", "0", "", "", "", "", "", "0"}},
        {WashRecord::MakeCycleEnd(), {"254", "", "", "", "", "", "", "", ""}},
        {WashRecord::MakeDataEnd(), {"255", "", "", "", "", "", "", "", ""}},
        {unknown, {"9", "", "4", "", "", "", "", "", ""}},
    };
    for (const auto &[record, row] : cases)
        EXPECT_EQ(RawRecordRow(record), row) << static_cast<int>(record.type);
    EXPECT_STREQ(kRawRowHeadings[0], "Type");
    EXPECT_STREQ(kRawRowHeadings[8], "Time");
}
