#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "estimate/StepRules.h"
#include "estimate/Time_calc.h"

using namespace korvanta;

namespace {

constexpr int kCycleNumber = 3;

WashRecord Rec(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}
WashRecord FillRec(int inlets, int temp, int level, int min, int sec) {
    return Rec(RecordType::Fill, {inlets, temp, level, min, sec});
}
WashRecord WashRec(int mode, int temp, int high, int low) {
    return Rec(RecordType::Wash, {mode, temp, 18, 3, 41, high, low});
}
WashRecord SupplyRec(int soaps, int min, int sec) {
    return Rec(RecordType::Supply, {soaps, 0, min, sec});
}
WashRecord DrainRec() {
    return Rec(RecordType::Drain, {1, 1, 0});
}
WashRecord SpinRec(int rpm, int min, int sec) {
    return Rec(RecordType::Spin, {rpm, min, sec});
}
WashRecord SoakRec(int temp, int hours, int min) {
    return Rec(RecordType::Soak, {temp, hours, min});
}
WashRecord AuxRec(int output, int min, int sec) {
    return Rec(RecordType::Aux, {output, min, sec});
}
WashRecord HeatRec(int temp, int hours, int min) {
    return Rec(RecordType::Heat, {temp, hours, min});
}
WashRecord CS(int number = 1) {
    return WashRecord::MakeCycleStart(number, "Test");
}
WashRecord CE() {
    return WashRecord::MakeCycleEnd();
}
WashRecord DE() {
    return WashRecord::MakeDataEnd();
}

MachineConfig Config(int type, int heatKW = 9, int units = 0) {
    MachineConfig config;
    config.machineType = static_cast<uint8_t>(type);
    config.heatKW = static_cast<uint8_t>(heatKW);
    config.units = static_cast<uint8_t>(units);
    return config;
}

struct Estimate {
    uint32_t total = 0;
    std::vector<uint32_t> times; // Time of each step, in order
    std::vector<int> marked;     // ordinals of the marked steps
    bool cycleMarked = false;
    std::string remark;
};

// Estimates the steps as one cycle numbered kCycleNumber at index 0.
Estimate EstimateSteps(const std::vector<WashRecord> &steps, const MachineConfig &config,
                       int currentStep = 0) {
    std::vector<WashRecord> records{CS(kCycleNumber)};
    records.insert(records.end(), steps.begin(), steps.end());
    records.insert(records.end(), {CE(), DE()});
    WashData data(records);
    WarningMarks marks;
    Estimate result;
    result.total = EstimateCycle(data, 0, config, marks, currentStep, result.remark);
    for (std::size_t k = 1; k <= steps.size(); ++k) {
        result.times.push_back(data.At(k).time);
        if (marks.StepMarked(kCycleNumber, static_cast<int>(k)))
            result.marked.push_back(static_cast<int>(k));
    }
    result.cycleMarked = marks.CycleMarked(kCycleNumber);
    return result;
}

using Rule = int64_t (*)(const WashRecord &, TubState &, const EstimateContext &);

} // namespace

TEST(EstimateStepRules, TubChangesAndDurations) {
    const MachineConfig t0 = Config(0), t18 = Config(18), cold0 = Config(0, 0);
    const Rule fill = FillStepSeconds, heat = HeatStepSeconds, wash = WashStepSeconds;
    const Rule supply = SupplyStepSeconds, soak = SoakStepSeconds;
    const struct {
        const char *what;
        Rule rule;
        MachineConfig config;
        WashRecord step;
        TubState before;
        int64_t seconds;
        TubState after;
    } cases[] = {
        // clang-format off
        {"cold fill to Low", fill, t18, FillRec(1, 0, 12, 5, 0), {0, 0}, 60, {40, 12}},
        {"level already reached", fill, t18, FillRec(1, 0, 12, 5, 0), {40, 20}, 0, {40, 20}},
        {"overflow lasts its time", fill, t18, FillRec(1, 0, 80, 10, 0), {0, 0}, 600, {40, 80}},
        {"overflow short of time", fill, t18, FillRec(1, 0, 80, 5, 0), {0, 0}, 300, {40, 76, true}},
        {"time-out too short", fill, t18, FillRec(1, 0, 28, 0, 30), {0, 0}, 117, {40, 3, true}},
        {"cold onto warm water", fill, t18, FillRec(1, 0, 20, 5, 0), {120, 12}, 28, {85, 20}},

        {"heat to 60 C in time", heat, t0, HeatRec(120, 0, 15), {40, 12}, 354, {120, 12}},
        {"no heat source", heat, cold0, HeatRec(120, 0, 15), {40, 12}, 0, {40, 12, true}},
        {"heat an empty tub", heat, t0, HeatRec(120, 0, 15), {0, 0}, 0, {0, 0, true}},
        {"already warm enough", heat, t0, HeatRec(100, 0, 15), {120, 12}, 0, {120, 12}},
        {"heat past its time-out", heat, t0, HeatRec(190, 0, 5), {40, 12}, 664, {107, 12, true}},

        {"wash short of heat", wash, t0, WashRec(1, 120, 5, 0), {40, 12}, 300, {107, 12, true}},
        {"wash heats in time", wash, t18, WashRec(1, 80, 5, 0), {40, 12}, 300, {80, 12}},
        {"wash never cools", wash, t18, WashRec(1, 80, 5, 0), {120, 12}, 300, {120, 12}},
        {"drain wash empties", wash, t18, WashRec(7, 0, 2, 0), {120, 12}, 120, {0, 0}},
        {"cool-down in time", wash, t18, WashRec(5, 80, 0, 15), {120, 12}, 260, {80, 29}},
        {"cool-down short", wash, t18, WashRec(5, 80, 0, 3), {120, 12}, 260, {88, 24, true}},
        {"cool to cold water", wash, t18, WashRec(5, 40, 0, 15), {120, 12}, 99970, {58, 67, true}},
        {"already cool", wash, t18, WashRec(5, 80, 0, 15), {80, 12}, 0, {80, 12}},

        {"softener min 15 s", supply, t18, SupplyRec(0x01, 0, 10), {0, 0}, 15, {150, 1}},
        {"bleach min 15 s", supply, t18, SupplyRec(0x08, 0, 5), {0, 0}, 15, {40, 1}},
        {"3-compartment soap", supply, t0, SupplyRec(0x01, 0, 10), {0, 0}, 10, {40, 1}},
        {"full tub stays at 80", supply, t18, SupplyRec(0x01, 1, 0), {80, 78}, 60, {91, 80}},
        {"no supply selected", supply, t18, SupplyRec(0, 0, 45), {80, 12}, 45, {80, 12}},

        {"soak short of heat", soak, t0, SoakRec(120, 0, 5), {40, 12}, 300, {107, 12, true}},
        {"soak heats in time", soak, t0, SoakRec(80, 2, 0), {40, 12}, 7200, {80, 12}},
        {"unheated empty soak", soak, t0, SoakRec(0, 1, 0), {0, 0}, 3600, {0, 0}},
        // clang-format on
    };
    for (const auto &c : cases) {
        const EstimateContext ctx(c.config);
        TubState tub = c.before;
        EXPECT_EQ(c.rule(c.step, tub, ctx), c.seconds) << c.what;
        EXPECT_EQ(tub.temperature, c.after.temperature) << c.what;
        EXPECT_EQ(tub.level, c.after.level) << c.what;
        EXPECT_EQ(tub.notReached, c.after.notReached) << c.what;
    }
}

TEST(EstimateCycleWalk, StepTimesAndTotal) {
    const WashRecord fill = FillRec(1, 0, 12, 5, 0), spin = SpinRec(1000, 1, 0);
    const struct {
        const char *what;
        int type;
        std::vector<WashRecord> steps;
        std::vector<uint32_t> times;
    } cases[] = {
        // clang-format off
        {"no steps", 18, {}, {}},
        {"fill, wash, drain, spin", 18,
         {fill, WashRec(1, 80, 5, 0), DrainRec(), SpinRec(800, 3, 0)}, {60, 300, 0, 317}},
        {"one spin runs up and coasts down", 0, {spin}, {210}},
        {"two spins in a row", 0, {spin, spin}, {144, 126}},
        {"drain of an empty tub", 0, {DrainRec()}, {15}},
        {"drain of water", 0, {fill, DrainRec()}, {50, 60}},
        {"drain right before a spin", 0, {fill, DrainRec(), spin}, {50, 0, 210}},
        {"aux outputs", 0, {AuxRec(1, 1, 0), AuxRec(2, 1, 30), AuxRec(3, 0, 5)}, {0, 90, 5}},
        {"the spin empties the tub", 0, {fill, DrainRec(), spin, HeatRec(120, 0, 15)},
         {50, 0, 210, 0}},
        // clang-format on
    };
    for (const auto &c : cases) {
        const Estimate e = EstimateSteps(c.steps, Config(c.type));
        EXPECT_EQ(e.times, c.times) << c.what;
        uint32_t sum = 0;
        for (uint32_t t : c.times)
            sum += t;
        EXPECT_EQ(e.total, sum) << c.what;
    }
}

TEST(EstimateCycleWalk, MarksAndRemarks) {
    const std::string noHeat =
        "(Warning: temperature can't be reached, machine has no heat source.)";
    const std::string noWater = "(Attention: there is no water in the tub.)";
    const std::string only = "(Attention: only ";
    const std::string inTime = " will be reached within the given time.)";
    const WashRecord fill = FillRec(1, 0, 12, 5, 0), shortFill = FillRec(1, 0, 28, 0, 30);
    const WashRecord hotWash = WashRec(1, 120, 5, 0), heat = HeatRec(120, 0, 15);
    const struct {
        const char *what;
        MachineConfig config;
        std::vector<WashRecord> steps;
        int currentStep;
        std::string remark;
        std::vector<int> marked;
    } cases[] = {
        // clang-format off
        {"short fill, metric", Config(18), {shortFill}, 1, only + "1cm" + inTime, {1}},
        {"short fill, English", Config(18, 9, 1), {shortFill}, 1, only + "0,6inch" + inTime, {1}},
        {"wash short of heat, metric", Config(0), {fill, hotWash}, 2, only + "53\xB0" "C" + inTime,
         {2}},
        {"wash short of heat, English", Config(0, 9, 1), {fill, hotWash}, 2,
         only + "128\xB0" "F" + inTime, {2}},
        {"wash without a heat source", Config(0, 0), {fill, hotWash}, 2, noHeat, {2}},
        {"cool-down needs no heat source", Config(18, 0),
         {FillRec(2, 0, 12, 5, 0), WashRec(5, 80, 0, 3)}, 2,
         only + "52\xB0" "C" + inTime, {2}},
        {"heat without a heat source", Config(18, 0), {fill, heat}, 2, noHeat, {2}},
        {"heat in time", Config(0), {fill, heat}, 2, "", {}},
        {"soak without water", Config(18), {SoakRec(0, 1, 0)}, 1, noWater, {1}},
        {"drain wash: no water, no mark", Config(18), {fill, WashRec(7, 0, 1, 0)}, 2, noWater, {}},
        {"a step without a remark label", Config(18, 0), {heat, DrainRec()}, 2, "", {1}},
        {"no current step", Config(18, 0), {heat}, 0, "", {1}},
        {"current step beyond the cycle", Config(18, 0), {heat}, 5, "", {1}},
        // clang-format on
    };
    for (const auto &c : cases) {
        const Estimate e = EstimateSteps(c.steps, c.config, c.currentStep);
        EXPECT_EQ(e.remark, c.remark) << c.what;
        EXPECT_EQ(e.marked, c.marked) << c.what;
        EXPECT_EQ(e.cycleMarked, !c.marked.empty()) << c.what;
    }
}

TEST(EstimateCycleWalk, EachCycleStartsEmptyAndTouchesOnlyItself) {
    WashData data(std::vector<WashRecord>{CS(1), FillRec(2, 0, 12, 5, 0), CE(), CS(2),
                                          HeatRec(120, 0, 15), CE(), DE()});
    WarningMarks marks;
    marks.MarkStep(2, 7); // stale marks of the cycle go, other cycles keep theirs
    marks.MarkStep(9, 1);
    std::string remark = "stale";
    data.At(4).time = 99;

    EXPECT_EQ(EstimateCycle(data, 0, Config(18), marks, 1, remark), 60u);
    EXPECT_EQ(data.At(4).time, 99u);
    EXPECT_EQ(remark, "");

    // The heat finds an empty tub whatever the previous cycle left.
    EXPECT_EQ(EstimateCycle(data, 3, Config(18), marks, 1, remark), 0u);
    EXPECT_EQ(data.At(4).time, 0u);
    EXPECT_TRUE(marks.StepMarked(2, 1));
    EXPECT_FALSE(marks.StepMarked(2, 7));
    EXPECT_TRUE(marks.StepMarked(9, 1));
    EXPECT_FALSE(marks.CycleMarked(1));
}

TEST(EstimateCycleWalk, MalformedListsStayInside) {
    WashRecord unknown = Rec(static_cast<RecordType>(9), {});
    unknown.time = 77;
    WashRecord preset = DrainRec();
    preset.time = 77;
    const struct {
        const char *what;
        std::vector<WashRecord> records;
        std::size_t start;
        uint32_t total;
        std::vector<uint32_t> times; // Time of records 0, 1, ...
    } cases[] = {
        // clang-format off
        {"only DataEnd", {DE()}, 0, 0, {0}},
        {"start beyond the list", {CS(), DE()}, 5, 0, {0, 0}},
        {"start on a step", {CS(), preset, CE()}, 1, 0, {0, 77, 0}},
        {"cycle closed by DataEnd", {CS(), DrainRec(), DE(), DrainRec()}, 0, 15, {0, 15, 0, 0}},
        {"list ends inside the cycle", {CS(), DrainRec(), DrainRec()}, 0, 30, {0, 15, 15}},
        {"spin as the last record", {CS(), SpinRec(1000, 1, 0)}, 0, 210, {0, 210}},
        {"unknown record type", {CS(), unknown, DrainRec(), CE()}, 0, 15, {0, 0, 15, 0}},
        {"missing CycleEnd runs on", {CS(), DrainRec(), CS(2), DrainRec(), CE()}, 0, 30,
         {0, 15, 0, 15, 0}},
        {"steps without codes", {CS(), Rec(RecordType::Fill, {}), Rec(RecordType::Wash, {}),
                                 Rec(RecordType::Heat, {}), CE()}, 0, 0, {0, 0, 0, 0, 0}},
        {"codes outside the byte range", {CS(300), Rec(RecordType::Aux, {2, -5, 1000}),
                                          HeatRec(-1, 0, 15), CE()}, 0, 255, {0, 255, 0, 0}},
        // clang-format on
    };
    for (const auto &c : cases) {
        WashData data(c.records);
        WarningMarks marks;
        std::string remark;
        EXPECT_EQ(EstimateCycle(data, c.start, Config(0), marks, 1, remark), c.total) << c.what;
        std::vector<uint32_t> times;
        for (const WashRecord &record : data.Records())
            times.push_back(record.time);
        EXPECT_EQ(times, c.times) << c.what;
    }
}

TEST(EstimateCycleWalk, DegenerateWaterSupply) {
    MachineConfig noFlow = Config(18);
    noFlow.flowRate = 0; // only possible from a file
    MachineConfig lukewarmHot = Config(18);
    lukewarmHot.hotInletTemp = 41; // one half degree above the cold water
    const struct {
        const char *what;
        MachineConfig config;
        WashRecord step;
        uint32_t seconds;
        bool marked;
    } cases[] = {
        // clang-format off
        // At no flow a fill runs into its time-out like any slow fill.
        {"cold fill without flow", noFlow, FillRec(1, 0, 12, 5, 0), 1020, true},
        {"controlled fill without flow", noFlow, FillRec(0, 120, 12, 5, 0), 1020, true},
        {"supply without flow", noFlow, SupplyRec(0x01, 0, 10), 15, false},
        {"controlled at cold, hot barely warmer", lukewarmHot, FillRec(0, 40, 12, 5, 0), 60, false},
        // clang-format on
    };
    for (const auto &c : cases) {
        const Estimate e = EstimateSteps({c.step}, c.config);
        EXPECT_EQ(e.total, c.seconds) << c.what;
        EXPECT_EQ(e.cycleMarked, c.marked) << c.what;
    }

    const EstimateContext ctx(noFlow);
    TubState tub{120, 12};
    EXPECT_EQ(WashStepSeconds(WashRec(5, 80, 0, 15), tub, ctx), 4420);
    EXPECT_EQ(tub.temperature, 120);
    EXPECT_EQ(tub.level, 12);
    EXPECT_TRUE(tub.notReached);
}

TEST(EstimateCycleWalk, CourseAgreesWithStepTimes) {
    const WashRecord fill = FillRec(1, 0, 12, 5, 0);
    const struct {
        const char *what;
        MachineConfig config;
        std::vector<WashRecord> steps;
        std::vector<bool> reached;
    } cases[] = {
        // clang-format off
        {"fill, heat, drain, spin", Config(0),
         {fill, HeatRec(120, 0, 15), DrainRec(), SpinRec(800, 3, 0), fill, DrainRec()},
         {true, true, true, true, true, true}},
        {"heat without heating power stays flat", Config(0, 0),
         {fill, HeatRec(120, 0, 15)}, {true, false}},
        {"overfull supply stays within the tub", Config(18),
         {FillRec(1, 0, 80, 10, 0), SupplyRec(0x01, 5, 0), DrainRec()}, {true, true, true}},
        {"fill short of its level", Config(18), {FillRec(1, 0, 28, 0, 30)}, {false}},
        // clang-format on
    };
    for (const auto &c : cases) {
        std::vector<WashRecord> records{CS(kCycleNumber)};
        records.insert(records.end(), c.steps.begin(), c.steps.end());
        records.insert(records.end(), {CE(), DE()});
        WashData data(records);
        WarningMarks marks;
        std::string remark;
        CycleCourse course;
        const uint32_t total = EstimateCycle(data, 0, c.config, marks, 0, remark, &course);
        ASSERT_EQ(course.steps.size(), c.steps.size()) << c.what;
        EXPECT_EQ(course.totalSeconds, int64_t{total}) << c.what;
        int64_t sum = 0;
        for (std::size_t k = 0; k < course.steps.size(); ++k) {
            const CourseStep &s = course.steps[k];
            EXPECT_EQ(s.startSeconds, sum) << c.what << " step " << k + 1;
            sum += data.At(k + 1).time;
            EXPECT_EQ(s.endSeconds, sum) << c.what << " step " << k + 1;
            EXPECT_EQ(s.reached, c.reached[k]) << c.what << " step " << k + 1;
            for (int64_t level : {s.levelStart, s.levelEnd}) {
                EXPECT_GE(level, 0) << c.what;
                EXPECT_LE(level, 80) << c.what;
            }
            const bool spinFollows =
                k + 1 < c.steps.size() && c.steps[k + 1].type == RecordType::Spin;
            if (s.type == RecordType::Drain && !spinFollows) { // else the spin takes the water
                EXPECT_EQ(s.levelEnd, 0) << c.what;
            }
            if (s.type == RecordType::Heat && c.config.heatKW == 0) {
                EXPECT_EQ(s.temperatureEnd, s.temperatureStart) << c.what;
            }
        }
    }
}
