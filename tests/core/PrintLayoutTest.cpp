#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PrintGolden.h"
#include "WashDataFileSamples.h"
#include "print/CycleHeading.h"
#include "print/PrintedReport.h"

namespace korvanta {
namespace {

// A4 at 1200 dpi: line height 249, margin 479, rules 19 and 2 pixels wide.
constexpr ReportPage kA4{9583, 13699, 1200};
constexpr int kLh = 249;
constexpr int kM = 479;
constexpr int kHalf = 9583 / 2;
constexpr int kThick = 19;

// A proportional font: capitals 0.7 em wide, everything else 0.5 em.
int FakeWidthAt(int dpi, const std::string &text, int points) {
    int width = 0;
    for (char c : text)
        width += points * dpi / 72 * (c >= 'A' && c <= 'Z' ? 7 : 5) / 10;
    return width;
}

int FakeWidth(const std::string &text, int points, bool) {
    return FakeWidthAt(1200, text, points);
}

WashData CycleOfDrains(int steps, int cycles = 1) {
    std::vector<WashRecord> records;
    for (int n = 1; n <= cycles; ++n) {
        records.push_back(WashRecord::MakeCycleStart(n, "Long"));
        for (int i = 0; i < steps; ++i)
            records.push_back(samples::Step(RecordType::Drain, {1, 1, 0}));
        records.push_back(WashRecord::MakeCycleEnd());
    }
    records.push_back(WashRecord::MakeDataEnd());
    return WashData(std::move(records));
}

std::vector<DrawOp> Layout(WashData data, std::vector<int> rows, bool config,
                           const ReportPage &page = kA4, bool profiles = false) {
    WarningMarks marks;
    const ReportRequest request{std::move(rows), config, "Week.kvt", "Wed 9 December 2026 - 07:05",
                                profiles};
    const TextWidth width = [dpi = page.dpi](const std::string &text, int points, bool) {
        return FakeWidthAt(dpi, text, points);
    };
    return PrintedReport(data, samples::SampleConfig(), marks, request, page, width);
}

std::vector<DrawOp> Texts(const std::vector<DrawOp> &ops, const std::string &text) {
    std::vector<DrawOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [&](const DrawOp &op) {
        return op.kind != DrawKind::Line && op.kind != DrawKind::Font && op.text == text;
    });
    return found;
}

bool HasLine(const std::vector<DrawOp> &ops, int x, int y, int x2, int y2, int pen) {
    const DrawOp line{DrawKind::Line, x, y, x2, y2, pen, false, {}};
    return std::find(ops.begin(), ops.end(), line) != ops.end();
}

int Count(const std::vector<DrawOp> &ops, DrawKind kind) {
    return static_cast<int>(
        std::count_if(ops.begin(), ops.end(), [&](const DrawOp &op) { return op.kind == kind; }));
}

std::vector<std::string> Footers(const std::vector<DrawOp> &ops) {
    std::vector<std::string> footers;
    for (const DrawOp &op : ops)
        if (op.kind == DrawKind::TextRight && op.text.rfind("page ", 0) == 0) {
            EXPECT_EQ(op.x, 9583 - kM);
            EXPECT_EQ(op.y, kLh * 3); // line 53 is drawn 50 lines up
            footers.push_back(op.text);
        }
    return footers;
}

TEST(PrintLayout, ThreeCyclesAndConfigurationGolden) {
    std::string text;
    for (const DrawOp &op : Layout(samples::ThreeCycles(), {1, 2, 3}, true))
        text += DrawOpText(op) + "\n";
    ExpectReportGolden("report-three-cycles.ops", text);
}

TEST(PrintLayout, FiftyStepsFillTheLeftColumnThenTheRight) {
    const auto ops = Layout(CycleOfDrains(50), {1}, false);
    struct Case {
        const char *position;
        int x;
        int line; // drawing line
    } cases[] = {
        {"1", kM + 9583 / 90 + 9583 / 100, 5},
        {"10", kM + 9583 / 90, 14},
        {"48", kM + 9583 / 90, 52},
        {"49", kHalf + 9583 / 90, 5},
        {"50", kHalf + 9583 / 90, 6},
    };
    for (const Case &c : cases) {
        const auto found = Texts(ops, c.position);
        ASSERT_EQ(found.size(), 1u) << c.position;
        EXPECT_EQ(found[0].x, c.x) << c.position;
        EXPECT_EQ(found[0].y, kLh * c.line) << c.position;
    }
    const int bottom52 = kLh * 52 - kLh / 7 + kLh;
    EXPECT_TRUE(HasLine(ops, kM, bottom52, kHalf, bottom52, kThick));
    const int top55 = kLh * 5 - kLh / 7;
    EXPECT_TRUE(HasLine(ops, kHalf, top55, 9583 - kM, top55, kThick));
    const int bottom56 = kLh * 6 - kLh / 7 + kLh;
    EXPECT_TRUE(HasLine(ops, kHalf, bottom56, 9583 - kM, bottom56, kThick)); // closing frame
    EXPECT_EQ(Footers(ops), std::vector<std::string>{"page 1"});
}

TEST(PrintLayout, CycleEndingWithTheLeftColumnLeavesTheRightColumnBlank) {
    const auto ops = Layout(CycleOfDrains(48), {1}, false);
    for (const DrawOp &op : ops) {
        if (op.kind == DrawKind::Line) {
            EXPECT_LE(op.x, kHalf) << DrawOpText(op);
        }
    }
}

TEST(PrintLayout, PagesAndFooters) {
    struct Case {
        std::vector<int> rows;
        bool config;
        int pageBreaks;
        std::vector<std::string> footers;
    } cases[] = {
        {{1, 2}, true, 2, {"page 1", "page 2", "page 3"}},
        {{}, true, 0, {"page 1"}},
        {{2}, false, 0, {"page 1"}},
        {{1, 9}, false, 0, {"page 1"}}, // row 9 has no cycle
    };
    for (const Case &c : cases) {
        const auto ops = Layout(CycleOfDrains(3, 2), c.rows, c.config);
        EXPECT_EQ(Count(ops, DrawKind::NewPage), c.pageBreaks) << c.rows.size();
        EXPECT_EQ(Footers(ops), c.footers) << c.rows.size();
    }
}

TEST(PrintLayout, ProfilesFollowTheirCycles) {
    struct Case {
        std::vector<int> rows;
        bool config;
        std::vector<std::size_t> cycleStarts; // of the Profile operations, in order
        std::vector<std::string> footers;
    } cases[] = {
        {{1, 2}, true, {0, 5}, {"page 1", "page 2", "page 3", "page 4", "page 5"}},
        {{2}, false, {5}, {"page 1", "page 2"}},
        {{}, true, {}, {"page 1"}},
    };
    for (const Case &c : cases) {
        const auto ops = Layout(CycleOfDrains(3, 2), c.rows, c.config, kA4, true);
        std::vector<std::size_t> starts;
        for (const DrawOp &op : ops) {
            if (op.kind != DrawKind::Profile)
                continue;
            starts.push_back(op.cycleStart);
            EXPECT_EQ(op.x, kM);
            EXPECT_EQ(op.x2, 9583 - kM);
            EXPECT_GT(op.y, kLh * 4); // under the heading row
            EXPECT_GT(op.y2 - op.y, (op.x2 - op.x) / 2);
            EXPECT_LE(op.y2, kA4.height);
        }
        EXPECT_EQ(starts, c.cycleStarts);
        EXPECT_EQ(Footers(ops), c.footers);
        EXPECT_EQ(Texts(ops, "Cycle 2: Long (profile)").size(), c.cycleStarts.empty() ? 0u : 1u);
    }
}

TEST(PrintLayout, LongestCycleGoesOnOverThePageInsteadOfOffIt) {
    const auto ops = Layout(CycleOfDrains(99), {1}, false);
    for (const DrawOp &op : ops) {
        EXPECT_LE(op.y + (op.kind == DrawKind::Line ? 0 : kLh), kA4.height) << DrawOpText(op);
        EXPECT_LE(op.y2, kA4.height) << DrawOpText(op);
    }
    EXPECT_EQ(Count(ops, DrawKind::NewPage), 1);
    EXPECT_EQ(Footers(ops), (std::vector<std::string>{"page 1", "page 2"}));
    const auto step97 = Texts(ops, "97");
    ASSERT_EQ(step97.size(), 1u);
    EXPECT_EQ(step97[0].x, kM + 9583 / 90);
    EXPECT_EQ(step97[0].y, kLh * 5); // under the heading repeated on page 2
    const auto continued = Texts(ops, "Cycle 1: Long (continued)");
    ASSERT_EQ(continued.size(), 1u);
    EXPECT_EQ(continued[0].y, kLh * 4);
    EXPECT_EQ(Texts(ops, "Cycle 1: Long").size(), 1u);
}

// The heading row's texts as set: title, duration (left edge and right end) and font size.
struct HeadingOps {
    DrawOp title, duration;
    int points = 0;
};

std::vector<HeadingOps> Headings(const std::vector<DrawOp> &ops) {
    std::vector<HeadingOps> headings;
    int points = 0;
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == DrawKind::Font)
            points = ops[i].size;
        if (ops[i].text.rfind("Cycle ", 0) == 0)
            headings.push_back({ops[i], ops[i + 1], points});
    }
    return headings;
}

TEST(PrintLayout, HeadingStaysInsideItsFrameWithoutOverlap) {
    const std::string w17(17, 'W');
    struct Case {
        std::string name;
        int number;
        int hours, minutes; // of a soak before 96 drains of 15 s
    } cases[] = {
        {"Long", 1, 0, 0},
        {"COTTON 60 HEAVY", 12, 3, 50}, // 4:14:00
        {w17, 255, 3, 50},
        {"Whites 60\xB0"
         "C ab",
         99, 99, 59}, // 100:23:00
        {w17, 7, 0, 0},
    };
    for (const Case &c : cases) {
        WashData data = CycleOfDrains(96);
        data.At(0) = WashRecord::MakeCycleStart(c.number, c.name);
        data.Insert(1, samples::Step(RecordType::Soak, {0, c.hours, c.minutes}));
        const auto ops = Layout(data, {1}, false);
        const auto headings = Headings(ops);
        ASSERT_EQ(headings.size(), 2u) << c.name; // page 1 and the continued heading
        for (const HeadingOps &h : headings) {
            const int titleEnd = h.title.x + FakeWidth(h.title.text, h.points, true);
            const int durationLeft = h.duration.kind == DrawKind::TextRight
                                         ? h.duration.x - FakeWidth(h.duration.text, h.points, true)
                                         : h.duration.x;
            const int durationRight = durationLeft + FakeWidth(h.duration.text, h.points, true);
            EXPECT_GT(h.title.x, kM) << h.title.text;
            EXPECT_LT(titleEnd, durationLeft) << h.title.text;
            EXPECT_LT(durationRight, kHalf) << h.duration.text;
            EXPECT_GE(h.points, 6) << h.title.text;
            EXPECT_EQ(h.title.y, h.duration.y);
        }
        EXPECT_EQ(headings[1].title.text.find(" (continued)") != std::string::npos, true)
            << headings[1].title.text;
        // The soak's duration (up to "5999:00") stays inside its cell as well.
        const std::string soak = std::to_string(c.hours * 60 + c.minutes) + ":00";
        const auto soakOps = Texts(ops, soak);
        ASSERT_FALSE(soakOps.empty()) << soak;
        EXPECT_LT(soakOps[0].x + FakeWidth(soak, 9, false), kHalf) << soak;
        EXPECT_GT(soakOps[0].x, kHalf - 9583 / 15) << soak;
    }
}

TEST(CycleHeading, ShrinksThenShortensTheName) {
    const CycleHeadingRoom room{0, 1000, 600, 10};
    // Every character 10 pixels at 9 points, 1 pixel less per point below.
    const TextWidth width = [](const std::string &text, int points, bool) {
        return static_cast<int>(text.size()) * (points + 1);
    };
    struct Case {
        std::string name;
        int points;
        std::string title;
        bool atRight;
    } cases[] = {
        {"ab", 9, "Cycle 1: ab", false},      // fits at the usual place
        {std::string(55, 'a'), 9, "", true},  // past the usual place: right-aligned
        {std::string(101, 'a'), 6, "", true}, // shrunk as far as allowed
        {std::string(150, 'a'), 6, "Cycle 1: " + std::string(111, 'a') + "\x85", true},
    };
    for (const Case &c : cases) {
        const CycleHeadingFit fit =
            FitCycleHeading({"Cycle 1: ", c.name, "", std::string(20, 'd')}, room, 9, width);
        EXPECT_EQ(fit.points, c.points) << c.name;
        if (!c.title.empty()) {
            EXPECT_EQ(fit.title, c.title);
        }
        EXPECT_EQ(fit.durationAtRight, c.atRight) << c.name;
        EXPECT_LE(width(fit.title, fit.points, true) + room.gap +
                      width("12345678901234567890", fit.points, true),
                  room.right)
            << c.name;
    }
}

TEST(PrintLayout, FontSizesKeepTheirSizeAtAnyResolution) {
    for (int dpi : {300, 600, 1200}) {
        const ReportPage page{9583 * dpi / 1200, 13699 * dpi / 1200, dpi};
        std::vector<int> sizes;
        for (const DrawOp &op : Layout(CycleOfDrains(1), {1}, false, page))
            if (op.kind == DrawKind::Font)
                sizes.push_back(op.size);
        ASSERT_FALSE(sizes.empty());
        EXPECT_EQ(*std::min_element(sizes.begin(), sizes.end()), 9) << dpi;
        EXPECT_EQ(*std::max_element(sizes.begin(), sizes.end()), 13) << dpi;
    }
}

} // namespace
} // namespace korvanta
