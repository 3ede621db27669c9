// The report builders on whatever the wash data reader accepts: the printed report's draw
// operations and the text report, for a few pages and choices of cycles. The first input byte
// chooses the page, the configuration page, the cycles and the profile pages; the rest is the
// .kvt file. On a real
// page nothing may be drawn outside it, and building a report twice gives the same result (the
// estimate it runs renews times and marks, it must not drift).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/Opensavewashdata.h"
#include "print/PrintedReport.h"
#include "print/TextReport.h"

using namespace korvanta;

namespace {

struct PageChoice {
    ReportPage page;
    bool real; // a printer's page: everything must lie on it
};

// A4 at 1200 and 300 dpi, Letter at 600 dpi, and a degenerate page a broken driver may give.
constexpr std::array<PageChoice, 4> kPages{{
    {{9583, 13699, 1200}, true},
    {{2338, 3365, 300}, true},
    {{4900, 6400, 600}, true},
    {{3, 1, 0}, false},
}};

std::vector<int> ChosenRows(int choice, int cycles) {
    std::vector<int> rows;
    switch (choice) {
    case 0: // every cycle in list order
        for (int row = 1; row <= cycles; ++row)
            rows.push_back(row);
        break;
    case 1: // every cycle backwards, each twice
        for (int row = cycles; row >= 1; --row)
            rows.insert(rows.end(), {row, row});
        break;
    case 2: // rows that name no cycle
        rows = {0, -1, cycles + 1, 1000};
        break;
    default: // none: the configuration alone, or an empty report
        break;
    }
    return rows;
}

bool OnPage(const DrawOp &op, const ReportPage &page) {
    const auto inside = [&](int x, int y) {
        return x >= 0 && x <= page.width && y >= 0 && y <= page.height;
    };
    switch (op.kind) {
    case DrawKind::Text:
    case DrawKind::TextRight:
        return inside(op.x, op.y);
    case DrawKind::Line:
    case DrawKind::Profile:
        return inside(op.x, op.y) && inside(op.x2, op.y2);
    default:
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    if (size == 0)
        return 0;
    const uint8_t choice = bytes[0];
    const FileImage image(bytes + 1, bytes + size);
    WashData data;
    MachineConfig config;
    if (!ReadWashData(image, data, config).ok)
        return 0;

    const PageChoice &page = kPages[choice & 0x03];
    ReportRequest request;
    request.includeConfig = (choice & 0x04) != 0;
    request.rows = ChosenRows((choice >> 3) & 0x03, data.CycleCount());
    request.fileName = (choice & 0x20) ? std::string(300, 'W') : "Week \xB0.kvt";
    request.dateText = "Thursday, 10 December 2026";
    request.profiles = (choice & 0x40) != 0;
    // A proportional font of about half an em a character, wider in bold.
    const TextWidth width = [dpi = page.page.dpi](const std::string &text, int points, bool bold) {
        return static_cast<int>(text.size()) * points * (bold ? 11 : 10) * std::max(dpi, 1) / 1440;
    };

    WarningMarks marks;
    const std::vector<DrawOp> ops = PrintedReport(data, config, marks, request, page.page, width);
    if (page.real)
        for (const DrawOp &op : ops)
            if (!OnPage(op, page.page))
                std::abort(); // drawn off the page
    if (PrintedReport(data, config, marks, request, page.page, width) != ops)
        std::abort(); // a second build differs

    const std::string text = TextReport(data, config, marks, request);
    if (TextReport(data, config, marks, request) != text)
        std::abort();
    return 0;
}
