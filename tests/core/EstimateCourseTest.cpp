#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "estimate/CourseReading.h"
#include "estimate/ProfileAxes.h"
#include "estimate/Time_calc.h"

using namespace korvanta;

namespace {

WashRecord Rec(RecordType type, std::initializer_list<int> codes) {
    return WashRecord::WithCodes(type, codes);
}
const WashRecord kColdFillLow = Rec(RecordType::Fill, {1, 0, 12, 5, 0});
const WashRecord kColdFillHigh = Rec(RecordType::Fill, {1, 0, 28, 5, 0});
const WashRecord kShortFillHigh = Rec(RecordType::Fill, {1, 0, 28, 0, 30});
const WashRecord kOverFill = Rec(RecordType::Fill, {1, 0, 80, 10, 0});
const WashRecord kHeat60 = Rec(RecordType::Heat, {120, 0, 15});
const WashRecord kHeatShort = Rec(RecordType::Heat, {190, 0, 1});
const WashRecord kWash40 = Rec(RecordType::Wash, {1, 80, 18, 3, 41, 8, 0});
const WashRecord kCooldown = Rec(RecordType::Wash, {5, 60, 18, 3, 41, 0, 15});
const WashRecord kWashDrain = Rec(RecordType::Wash, {7, 0, 18, 3, 41, 1, 0});
const WashRecord kSupply = Rec(RecordType::Supply, {0x03, 0, 0, 45});
const WashRecord kDrain = Rec(RecordType::Drain, {1, 1, 0});
const WashRecord kSpin = Rec(RecordType::Spin, {800, 3, 0});

MachineConfig Config(int type, int heatKW = 9, int units = 0) {
    MachineConfig config;
    config.machineType = static_cast<uint8_t>(type);
    config.heatKW = static_cast<uint8_t>(heatKW);
    config.units = static_cast<uint8_t>(units);
    return config;
}

struct Estimated {
    WashData data;
    WarningMarks marks;
    std::string remark;
    uint32_t total = 0;
    CycleCourse course;
};

// Estimates the steps as cycle 3 at index 0, with or without recording the course.
Estimated Estimate(const std::vector<WashRecord> &steps, const MachineConfig &config, bool record,
                   int currentStep = 0) {
    std::vector<WashRecord> records{WashRecord::MakeCycleStart(3, "Test")};
    records.insert(records.end(), steps.begin(), steps.end());
    records.insert(records.end(), {WashRecord::MakeCycleEnd(), WashRecord::MakeDataEnd()});
    Estimated run{WashData(records), {}, {}, 0, {}};
    run.total = EstimateCycle(run.data, 0, config, run.marks, currentStep, run.remark,
                              record ? &run.course : nullptr);
    return run;
}

// How one step's points must look.
enum class Shape {
    FlatTemperature, // no heating power: the temperature does not move
    EndsEmpty,       // the level falls and ends at 0
    Unchanged,       // level and temperature stay as they were
    Curved,          // the level follows the tub's round shape, not a straight line
    Warms,           // the temperature never falls and ends at the step's end value
    Cools,           // the temperature never rises
};

bool NeverFalls(const std::vector<int64_t> &values) {
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i] < values[i - 1])
            return false;
    return true;
}

bool NeverRises(std::vector<int64_t> values) {
    for (int64_t &v : values)
        v = -v;
    return NeverFalls(values);
}

// The largest distance, in level codes, of an inner point from the straight line between the
// step's first and last point.
double LargestBend(std::span<const CoursePoint> points) {
    const CoursePoint &a = points.front();
    const CoursePoint &b = points.back();
    double bend = 0;
    for (const CoursePoint &p : points) {
        if (b.seconds == a.seconds)
            break;
        const double share =
            static_cast<double>(p.seconds - a.seconds) / static_cast<double>(b.seconds - a.seconds);
        const double line =
            static_cast<double>(a.level) + share * static_cast<double>(b.level - a.level);
        bend = std::max(bend, std::abs(static_cast<double>(p.level) - line));
    }
    return bend;
}

void ExpectShape(Shape shape, const CourseStep &step, std::span<const CoursePoint> points,
                 const std::string &what) {
    std::vector<int64_t> levels;
    std::vector<int64_t> temps;
    for (const CoursePoint &p : points) {
        levels.push_back(p.level);
        temps.push_back(p.temperature);
    }
    switch (shape) {
    case Shape::FlatTemperature:
        for (int64_t t : temps)
            EXPECT_EQ(t, step.temperatureStart) << what;
        break;
    case Shape::EndsEmpty:
        EXPECT_TRUE(NeverRises(levels)) << what;
        EXPECT_EQ(levels.back(), 0) << what;
        break;
    case Shape::Unchanged:
        for (const CoursePoint &p : points) {
            EXPECT_EQ(p.level, step.levelStart) << what;
            EXPECT_EQ(p.temperature, step.temperatureStart) << what;
        }
        break;
    case Shape::Curved:
        EXPECT_GE(points.size(), 8u) << what;
        EXPECT_TRUE(NeverFalls(levels)) << what;
        EXPECT_GE(LargestBend(points), 1.0) << what;
        break;
    case Shape::Warms:
        EXPECT_TRUE(NeverFalls(temps)) << what;
        break;
    case Shape::Cools:
        EXPECT_TRUE(NeverRises(temps)) << what;
        break;
    }
}

} // namespace

// Whatever the steps, the course runs with the step times, starts and ends each step at the
// tub the walk found and left, and keeps the level inside the tub.
TEST(EstimateCourse, FollowsTheWalkStepByStep) {
    struct Expect {
        std::size_t step; // 0-based
        Shape shape;
    };
    const struct {
        const char *what;
        MachineConfig config;
        std::vector<WashRecord> steps;
        std::vector<Expect> shapes;
    } cases[] = {
        // clang-format off
        {"fill, heat, wash, drain", Config(0),
         {kColdFillHigh, kHeat60, kWash40, kDrain},
         {{0, Shape::Curved}, {1, Shape::Warms}, {2, Shape::Warms}, {3, Shape::EndsEmpty}}},
        {"no heating power", Config(0, 0),
         {kColdFillLow, kHeat60, kWash40, Rec(RecordType::Soak, {150, 0, 20})},
         {{1, Shape::FlatTemperature}, {2, Shape::FlatTemperature}, {3, Shape::FlatTemperature}}},
        {"drain before a spin keeps the water, the spin empties", Config(18),
         {kColdFillLow, kDrain, kSpin, kDrain},
         {{1, Shape::Unchanged}, {2, Shape::EndsEmpty}, {3, Shape::EndsEmpty}}},
        {"fill short of its level", Config(18), {kShortFillHigh}, {{0, Shape::Curved}}},
        {"overflow fill and supply stay in the tub", Config(13),
         {kOverFill, kSupply, kWashDrain}, {{2, Shape::EndsEmpty}}},
        {"hot fill cooled down", Config(18),
         {Rec(RecordType::Fill, {2, 0, 12, 5, 0}), kCooldown}, {{1, Shape::Cools}}},
        {"heat past its time-out", Config(0, 3), {kColdFillHigh, kHeatShort},
         {{1, Shape::Warms}}},
        {"English units change nothing", Config(0, 9, 1), {kColdFillHigh, kSupply, kSpin},
         {{0, Shape::Curved}, {2, Shape::EndsEmpty}}},
        {"steps in an empty tub", Config(18), {kHeat60, kDrain, kSupply},
         {{0, Shape::Unchanged}, {1, Shape::Unchanged}}},
        // clang-format on
    };
    for (const auto &c : cases) {
        const Estimated run = Estimate(c.steps, c.config, true);
        const CycleCourse &course = run.course;
        ASSERT_EQ(course.steps.size(), c.steps.size()) << c.what;
        EXPECT_EQ(course.totalSeconds, int64_t{run.total}) << c.what;
        int64_t end = 0;
        int64_t lastTime = 0;
        std::size_t nextPoint = 0;
        for (std::size_t k = 0; k < course.steps.size(); ++k) {
            const CourseStep &s = course.steps[k];
            const std::string what = std::string(c.what) + ", step " + std::to_string(k + 1);
            EXPECT_EQ(s.recordIndex, k + 1) << what;
            EXPECT_EQ(s.startSeconds, end) << what;
            end += run.data.At(k + 1).time;
            EXPECT_EQ(s.endSeconds, end) << what;
            EXPECT_EQ(s.firstPoint, nextPoint) << what;
            nextPoint += s.pointCount;
            const auto points = course.PointsOf(s);
            ASSERT_GE(points.size(), 2u) << what;
            EXPECT_LE(points.size(), 16u) << what;
            EXPECT_EQ(points.front().seconds, s.startSeconds) << what;
            EXPECT_EQ(points.front().level, s.levelStart) << what;
            EXPECT_EQ(points.front().temperature, s.temperatureStart) << what;
            EXPECT_EQ(points.back().seconds, s.endSeconds) << what;
            EXPECT_EQ(points.back().level, s.levelEnd) << what;
            EXPECT_EQ(points.back().temperature, s.temperatureEnd) << what;
            for (const CoursePoint &p : points) {
                EXPECT_GE(p.seconds, lastTime) << what;
                lastTime = p.seconds;
                EXPECT_GE(p.level, 0) << what;
                EXPECT_LE(p.level, kMaxLevel) << what;
            }
        }
        EXPECT_EQ(nextPoint, course.points.size()) << c.what;
        for (const Expect &e : c.shapes) {
            const CourseStep &s = course.steps[e.step];
            ExpectShape(e.shape, s, course.PointsOf(s),
                        std::string(c.what) + ", step " + std::to_string(e.step + 1));
        }
    }
}

// Recording the course changes nothing the estimate gives: times, total, marks, remark.
TEST(EstimateCourse, RecordingChangesNothing) {
    const std::vector<WashRecord> steps = {kColdFillHigh,  kSupply,    kWash40, kHeatShort,
                                           kCooldown,      kOverFill,  kDrain,  kSpin,
                                           kShortFillHigh, kWashDrain, kDrain};
    for (const MachineConfig &config : {Config(0), Config(13, 0), Config(18, 9, 1), Config(27, 30)})
        for (int current = 1; current <= static_cast<int>(steps.size()); ++current) {
            const Estimated plain = Estimate(steps, config, false, current);
            const Estimated recorded = Estimate(steps, config, true, current);
            EXPECT_EQ(plain.total, recorded.total);
            EXPECT_EQ(plain.remark, recorded.remark);
            for (std::size_t k = 1; k <= steps.size(); ++k) {
                EXPECT_EQ(plain.data.At(k).time, recorded.data.At(k).time);
                EXPECT_EQ(plain.marks.StepMarked(3, static_cast<int>(k)),
                          recorded.marks.StepMarked(3, static_cast<int>(k)));
                EXPECT_EQ(!recorded.course.steps[k - 1].reached,
                          recorded.marks.StepMarked(3, static_cast<int>(k)));
            }
        }
}

TEST(EstimateCourse, TargetsOfTheSteps) {
    const std::vector<WashRecord> steps = {
        kColdFillHigh, kHeat60, Rec(RecordType::Wash, {1, 0, 18, 3, 41, 8, 0}),
        kCooldown,     kSupply, kDrain};
    const struct {
        std::optional<int64_t> level;
        std::optional<int64_t> temperature;
    } expected[] = {{28, {}}, {{}, 120}, {{}, {}}, {{}, 60}, {{}, {}}, {{}, {}}};
    const Estimated run = Estimate(steps, Config(0), true);
    ASSERT_EQ(run.course.steps.size(), std::size(expected));
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(run.course.steps[k].targetLevel, expected[k].level) << "step " << k + 1;
        EXPECT_EQ(run.course.steps[k].targetTemperature, expected[k].temperature)
            << "step " << k + 1;
    }
}

TEST(EstimateCourse, ReadingAtATime) {
    // Type 18, 17 l/min: a cold fill to Low takes 60 s, then a drain 60 s.
    const Estimated run = Estimate({kColdFillLow, kDrain, kDrain}, Config(18), true);
    const struct {
        double seconds;
        std::optional<std::size_t> step;
        double level;
    } cases[] = {
        {-5, 0, 0}, {0, 0, 0}, {60, 1, 12}, {120, 2, 0}, {135, 2, 0}, {500, 2, 0},
    };
    for (const auto &c : cases) {
        const CourseReading r = ReadCourse(run.course, c.seconds);
        EXPECT_EQ(r.step, c.step) << c.seconds;
        EXPECT_DOUBLE_EQ(r.level, c.level) << c.seconds;
    }
    const CourseReading mid = ReadCourse(run.course, 30);
    EXPECT_GT(mid.level, 0);
    EXPECT_LT(mid.level, 12);
    EXPECT_DOUBLE_EQ(mid.temperature, 40); // cold water from the first drop
    EXPECT_FALSE(ReadCourse(CycleCourse{}, 10).step.has_value());
}

TEST(ProfileAxes, LabelsFollowTheUnits) {
    const struct {
        int units;
        const char *levelTitle;
        const char *temperatureTitle;
        std::vector<std::string> levelLabels;
        std::vector<std::string> temperatureLabels;
    } cases[] = {
        // Level up to High (28): 14 cm or 5.6 inch; temperature up to 60 degrees C.
        {0,
         "Level (cm)",
         "Temperature (\260C)",
         {"0", "5", "10", "15"},
         {"0", "10", "20", "30", "40", "50", "60", "70"}},
        {1,
         "Level (inch)",
         "Temperature (\260F)",
         {"0", "1", "2", "3", "4", "5", "6"},
         {"40", "60", "80", "100", "120", "140", "160"}},
    };
    for (const auto &c : cases) {
        const MachineConfig config = Config(18, 9, c.units);
        const ProfileAxis level = LevelAxis(28, config);
        const ProfileAxis temperature = TemperatureAxis(120, config);
        EXPECT_EQ(level.title, c.levelTitle);
        EXPECT_EQ(temperature.title, c.temperatureTitle);
        std::vector<std::string> labels;
        for (const AxisTick &t : level.ticks)
            labels.push_back(t.label);
        EXPECT_EQ(labels, c.levelLabels);
        labels.clear();
        for (const AxisTick &t : temperature.ticks)
            labels.push_back(t.label);
        EXPECT_EQ(labels, c.temperatureLabels);
        EXPECT_GT(level.maximum, 28);
        EXPECT_GT(temperature.maximum, 120);
        // Every tick sits at the code of its label.
        for (const AxisTick &t : level.ticks)
            EXPECT_EQ(LevelReadout(static_cast<int64_t>(t.value), config),
                      t.label + ".0 " + (c.units == 1 ? "inch" : "cm"));
        for (const AxisTick &t : temperature.ticks)
            EXPECT_EQ(TemperatureReadout(static_cast<int64_t>(t.value), config),
                      t.label + (c.units == 1 ? " \260F" : " \260C"));
    }
    const struct {
        int64_t seconds;
        const char *title;
        const char *lastLabel;
    } times[] = {
        {0, "Time (m:ss)", "1:00"},
        {150, "Time (m:ss)", "2:30"},
        {2700, "Time (min)", "40"},
        {4 * 3600 + 600, "Time (h:mm)", "4:00"},
    };
    for (const auto &t : times) {
        const ProfileAxis axis = TimeAxis(t.seconds);
        EXPECT_EQ(axis.title, t.title) << t.seconds;
        ASSERT_FALSE(axis.ticks.empty());
        EXPECT_EQ(axis.ticks.back().label, t.lastLabel) << t.seconds;
        EXPECT_LE(axis.ticks.size(), 9u) << t.seconds;
    }
}
