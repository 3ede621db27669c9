#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/EditSession.h"

using namespace korvanta;

namespace {

// A session over its own store, refreshed the way the main window does after each command.
struct Fixture {
    WashStore store;
    EditSession session{store};

    CommandResult Run(CommandResult result) {
        session.BeginRefresh();
        session.SyncCycleStart();
        session.EndRefresh();
        return result;
    }
    void AddCycles(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            while (session.NewCycleNumber() < n)
                Run(session.StepNewCycleNumber(true));
            while (session.NewCycleNumber() > n)
                Run(session.StepNewCycleNumber(false));
            ASSERT_FALSE(Run(session.AddCycle()).message);
        }
    }
    void AddSteps(int count, RecordType type = RecordType::Drain) {
        for (int i = 0; i < count; ++i) {
            const int marker = i + 1;
            Run(session.AddStep(type, [marker](WashRecord &r) { r.SetCode(1, marker); }));
        }
    }
    // Cycle numbers in list order.
    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (const auto &r : store.data.Records())
            if (r.type == RecordType::CycleStart)
                numbers.push_back(r.Code(1));
        return numbers;
    }
    // Code1 of each step of the current cycle: the marker given when it was added.
    std::vector<int> StepMarkers() const {
        std::vector<int> markers;
        const auto start = session.Starts()[session.CurrentCycle()];
        for (std::size_t i = *start + 1; store.data.At(i).IsStep(); ++i)
            markers.push_back(store.data.At(i).Code(1));
        return markers;
    }
};

using Numbers = std::vector<int>;

} // namespace

TEST(EditSessionCycles, AddOnEmptyDataAndAfterCurrent) {
    Fixture f;
    f.Run(f.session.AddCycle());
    ASSERT_EQ(f.store.data.Size(), 3u);
    EXPECT_EQ(f.store.data.At(0).name, "Cycle 1");
    EXPECT_EQ(f.store.data.At(1).type, RecordType::CycleEnd);
    EXPECT_EQ(f.session.CurrentCycle(), 1);
    EXPECT_EQ(f.session.NewCycleNumber(), 2);
    EXPECT_EQ(f.session.AddCycleCaption(), "Add Cycle 2");
    EXPECT_EQ(f.session.AddCycleMenuCaption(), "Add &cycle 2");

    f.AddCycles({2, 3});
    f.Run(f.session.SelectCycle(1));
    f.AddCycles({7});
    EXPECT_EQ(f.Numbers(), (Numbers{1, 7, 2, 3}));
    EXPECT_EQ(f.session.CurrentCycle(), 2);
    EXPECT_EQ(f.session.NewCycleNumber(), 8);
    EXPECT_EQ(f.session.CycleHeading(), "Cycle 7: Cycle 7 ");
}

TEST(EditSessionCycles, NumberLimitsAndMessages) {
    Fixture f;
    f.AddCycles({99});
    EXPECT_EQ(f.session.NewCycleNumber(), 99);
    const auto again = f.Run(f.session.AddCycle());
    ASSERT_TRUE(again.message);
    EXPECT_EQ(again.message->text, "Cycle 99 already exists!");
    EXPECT_EQ(again.message->icon, MessageIcon::Error);

    Fixture full;
    for (int n = 1; n <= 99; ++n)
        full.Run(full.session.AddCycle());
    EXPECT_EQ(full.store.data.CycleCount(), 99);
    full.Run(full.session.CopyCycle());
    EXPECT_EQ(full.Run(full.session.PasteCycle()).message->text, "Maximum cycles reached!");
    full.session.ResetAfterLoad();
    EXPECT_EQ(full.session.NewCycleNumber(), 0);
    EXPECT_EQ(full.Run(full.session.AddCycle()).message->text, "Maximum cycles reached!");
    EXPECT_EQ(full.store.data.CycleCount(), 99);
}

TEST(EditSessionCycles, NewCycleNumberSpinSkipsUsedNumbers) {
    Fixture f;
    f.AddCycles({1, 2, 4});
    EXPECT_EQ(f.session.NewCycleNumber(), 5);
    f.Run(f.session.StepNewCycleNumber(false));
    EXPECT_EQ(f.session.NewCycleNumber(), 3);
    f.Run(f.session.StepNewCycleNumber(false));
    EXPECT_EQ(f.session.NewCycleNumber(), 3); // 1 and 2 used: stays
}

TEST(EditSessionCycles, DeleteSelectsFollowingOrLastCycle) {
    struct Case {
        int select;
        Numbers after;
        int current;
    };
    const Case cases[] = {{1, {2, 3}, 1}, {3, {1, 2}, 2}, {2, {1, 3}, 2}};
    for (const auto &c : cases) {
        Fixture f;
        f.AddCycles({1, 2, 3});
        f.Run(f.session.SelectCycle(c.select));
        f.Run(f.session.DeleteCycle());
        EXPECT_EQ(f.Numbers(), c.after);
        EXPECT_EQ(f.session.CurrentCycle(), c.current);
    }
    Fixture single;
    single.AddCycles({1});
    single.Run(single.session.CutCycle());
    EXPECT_EQ(single.store.data.Size(), 1u);
    EXPECT_EQ(single.session.CurrentCycle(), 0);
    EXPECT_TRUE(single.store.clipboard.empty()); // cutting the only cycle empties it
    EXPECT_FALSE(single.session.Enabled().paste);
    EXPECT_EQ(single.session.CycleHeading(), "Cycle : - ");
    EXPECT_EQ(single.session.NameFieldText(), "-");
}

TEST(EditSessionCycles, PasteTakesLowestFreeNumberAndKeepsName) {
    Fixture f;
    f.AddCycles({1, 5});
    f.AddSteps(3);
    f.Run(f.session.RenameCycle("Whites"));
    f.Run(f.session.CopyCycle());
    EXPECT_TRUE(f.session.Enabled().paste);
    ASSERT_EQ(f.store.clipboard.size(), 5u);
    EXPECT_EQ(f.store.clipboard.front().type, RecordType::CycleStart);
    EXPECT_EQ(f.store.clipboard.back().type, RecordType::CycleEnd);
    f.Run(f.session.SelectCycle(1));
    f.Run(f.session.PasteCycle());
    EXPECT_EQ(f.Numbers(), (Numbers{1, 2, 5}));
    EXPECT_EQ(f.session.CurrentCycle(), 2);
    EXPECT_EQ(f.session.NameFieldText(), "Whites");
    EXPECT_EQ(f.store.data.StepCount(2), 3);
    f.Run(f.session.PasteCycle()); // clipboard kept: paste again
    EXPECT_EQ(f.Numbers(), (Numbers{1, 2, 3, 5}));
}

TEST(EditSessionCycles, PasteIntoStepBeyondRangeSelectsFirstStep) {
    Fixture f;
    f.AddCycles({1});
    f.AddSteps(1);
    f.Run(f.session.CopyCycle());
    f.AddCycles({2});
    f.AddSteps(4);
    EXPECT_EQ(f.session.CurrentStep(), 4);
    f.Run(f.session.PasteCycle());
    EXPECT_EQ(f.session.CurrentStep(), 1);
}

TEST(EditSessionCycles, MoveUpAndDownSwapWholeCycles) {
    Fixture f;
    f.AddCycles({1, 2, 3});
    f.AddSteps(2);
    const WashData before = f.store.data;
    EXPECT_FALSE(f.session.Enabled().cycleDown); // last cycle
    f.Run(f.session.MoveCycleUp());
    EXPECT_EQ(f.Numbers(), (Numbers{1, 3, 2}));
    EXPECT_EQ(f.session.CurrentCycle(), 2);
    EXPECT_EQ(f.store.data.StepCount(2), 2);
    f.Run(f.session.MoveCycleUp());
    EXPECT_EQ(f.Numbers(), (Numbers{3, 1, 2}));
    EXPECT_FALSE(f.session.Enabled().cycleUp);
    f.Run(f.session.MoveCycleDown());
    f.Run(f.session.MoveCycleDown());
    EXPECT_TRUE(f.store.data.SameContent(before));
}

TEST(EditSessionCycles, RenameAndRenumber) {
    Fixture f;
    f.AddCycles({1, 2, 3, 4, 5, 6});
    f.Run(f.session.SelectCycle(4));
    EXPECT_EQ(f.Run(f.session.RenumberCycle(true)).refresh, 2);
    EXPECT_EQ(f.session.NumberFieldValue(), 7);
    f.Run(f.session.RenumberCycle(false)); // back down: 4 is free again
    EXPECT_EQ(f.session.NumberFieldValue(), 4);
    f.Run(f.session.RenumberCycle(false)); // 1, 2, 3 used: nothing changes
    EXPECT_EQ(f.session.NumberFieldValue(), 4);
    EXPECT_EQ(f.Run(f.session.RenameCycle("Cycle 4")).refresh, kRefreshNone);
    EXPECT_EQ(f.Run(f.session.RenameCycle("Towels")).refresh, 2);
    EXPECT_EQ(f.session.CycleHeading(), "Cycle 4: Towels ");
}

TEST(EditSessionSteps, AddAppendsOrInserts) {
    Fixture f;
    f.AddCycles({1});
    EXPECT_FALSE(f.session.Enabled().insertMode);
    f.AddSteps(3);
    EXPECT_EQ(f.session.CurrentStep(), 3);
    f.Run(f.session.SelectStep(2));
    f.session.SetMode(PlacementMode::Insert);
    f.Run(f.session.AddStep(RecordType::Spin, [](WashRecord &r) { r.SetCode(1, 9); }));
    EXPECT_EQ(f.StepMarkers(), (Numbers{1, 9, 2, 3}));
    EXPECT_EQ(f.session.CurrentStep(), 2);
    EXPECT_EQ(f.session.CurrentStepRecord()->type, RecordType::Spin);
    EXPECT_EQ(f.session.Mode(), PlacementMode::Insert);
    f.session.SetMode(PlacementMode::Add);
    f.AddSteps(1);
    EXPECT_EQ(f.StepMarkers(), (Numbers{1, 9, 2, 3, 1}));
    EXPECT_EQ(f.session.CurrentStep(), 5);
}

TEST(EditSessionSteps, NinetyNineStepLimit) {
    Fixture f;
    f.AddCycles({1});
    f.AddSteps(98);
    EXPECT_FALSE(f.Run(f.session.AddStep(RecordType::Aux, nullptr)).message);
    const auto refused = f.Run(f.session.AddStep(RecordType::Aux, nullptr));
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->text, "Maximum 99 steps!");
    EXPECT_EQ(f.store.data.StepCount(1), 99);
}

TEST(EditSessionSteps, DeleteSelectsNextOrPrevious) {
    struct Case {
        int steps;
        int select;
        int current;
    };
    const Case cases[] = {{5, 3, 3}, {5, 5, 4}, {1, 1, 0}};
    for (const auto &c : cases) {
        Fixture f;
        f.AddCycles({1});
        f.AddSteps(c.steps);
        f.Run(f.session.SelectStep(c.select));
        f.Run(f.session.DeleteStep());
        EXPECT_EQ(f.session.CurrentStep(), c.current) << c.steps << "/" << c.select;
        EXPECT_EQ(f.store.data.StepCount(1), c.steps - 1);
    }
    Fixture last;
    last.AddCycles({1});
    last.AddSteps(1);
    last.session.SetMode(PlacementMode::Insert);
    last.Run(last.session.DeleteStep());
    EXPECT_EQ(last.session.Mode(), PlacementMode::Add);
    EXPECT_EQ(last.session.CurrentStepRecord(), nullptr);
}

TEST(EditSessionSteps, MoveUpThenDownRestoresList) {
    Fixture f;
    f.AddCycles({1});
    f.AddSteps(3);
    f.store.TakeSnapshot();
    EXPECT_FALSE(f.session.Enabled().stepDown);
    f.Run(f.session.MoveStepUp());
    EXPECT_EQ(f.StepMarkers(), (Numbers{1, 3, 2}));
    EXPECT_TRUE(f.store.Changed());
    f.Run(f.session.MoveStepDown());
    EXPECT_FALSE(f.store.Changed());
    f.Run(f.session.SelectStep(1));
    EXPECT_FALSE(f.session.Enabled().stepUp);
    EXPECT_EQ(f.Run(f.session.SelectStep(1)).refresh, kRefreshNone); // already current
}

TEST(EditSessionSteps, CommandsWithoutCycleResetState) {
    Fixture f;
    EXPECT_EQ(f.Run(f.session.AddStep(RecordType::Fill, nullptr)).refresh, 13);
    EXPECT_EQ(f.Run(f.session.PasteCycle()).refresh, 13);
    EXPECT_EQ(f.store.data.Size(), 1u);
    EXPECT_EQ(f.session.CurrentCycle(), 0);
}

TEST(EditSessionLifecycle, LoadKeepsClipboardNewEmptiesIt) {
    Fixture f;
    f.AddCycles({1, 2});
    f.Run(f.session.CopyCycle());
    f.session.ResetAfterLoad();
    EXPECT_EQ(f.session.CurrentCycle(), 1);
    EXPECT_EQ(f.session.NewCycleNumber(), 3);
    EXPECT_FALSE(f.store.clipboard.empty());
    f.store.data.Clear();
    f.session.ResetAfterNew();
    EXPECT_TRUE(f.store.clipboard.empty());
    EXPECT_EQ(f.session.NewCycleNumber(), 1);
}

TEST(EditSessionLifecycle, MalformedCycleWithoutEndStaysInsideList) {
    // A file may leave the last cycle without its CycleEnd.
    Fixture f;
    f.store.data = WashData({WashRecord::MakeCycleStart(4, "Open"),
                             WashRecord::MakeStep(RecordType::Drain), WashRecord::MakeDataEnd()});
    f.session.ResetAfterLoad();
    f.Run(f.session.AddCycle());
    EXPECT_EQ(f.store.data.Records().back().type, RecordType::DataEnd);
    EXPECT_EQ(f.Numbers(), (Numbers{4, 1}));
    f.Run(f.session.SelectCycle(1));
    f.Run(f.session.CopyCycle());
    EXPECT_EQ(f.store.clipboard.back().type, RecordType::CycleEnd);
    f.Run(f.session.DeleteCycle());
    EXPECT_EQ(f.store.data.Records().back().type, RecordType::DataEnd);
}
