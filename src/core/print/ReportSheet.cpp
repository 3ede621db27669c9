#include "print/ReportSheet.h"

namespace korvanta {

namespace {

// Font sizes are fixed as page height / divisor points for a page measured at 600 dpi; on
// other resolutions the height is first brought to that scale, so the text keeps its size
// against the line pitch (read at 1200 dpi the sizes would double and the lines overlap).
constexpr int kReferenceDpi = 600;
constexpr int kRegularDivisor = 750;
constexpr int kBoldDivisor = 500;

} // namespace

ReportSheet::ReportSheet(const ReportPage &page)
    : width_(page.width), height_(page.height), dpi_(page.dpi > 0 ? page.dpi : kReferenceDpi),
      lineHeight_(page.height / kLinesPerPage), margin_(page.width / 20), thick_(page.width / 500),
      thin_(page.width / 4000) {}

int ReportSheet::DrawY(int line) const {
    return lineHeight_ * (InRightColumn(line) ? line - 50 : line);
}

int ReportSheet::ColumnLeft(int line) const {
    return InRightColumn(line) ? width_ / 2 : margin_;
}

int ReportSheet::ColumnRight(int line) const {
    return InRightColumn(line) ? width_ - margin_ : width_ / 2;
}

int ReportSheet::Points(int divisor) const {
    const long long scaled = static_cast<long long>(height_) * kReferenceDpi / dpi_;
    return static_cast<int>(scaled / divisor);
}

void ReportSheet::Font(int divisor, bool bold) {
    DrawOp op;
    op.kind = DrawKind::Font;
    op.size = Points(divisor);
    op.bold = bold;
    ops_.push_back(op);
}

int ReportSheet::RowPoints() const {
    return Points(kRegularDivisor);
}

void ReportSheet::BoldAt(int points) {
    DrawOp op;
    op.kind = DrawKind::Font;
    op.size = points;
    op.bold = true;
    ops_.push_back(op);
}

void ReportSheet::Regular() {
    Font(kRegularDivisor, false);
}

void ReportSheet::Bold() {
    Font(kRegularDivisor, true);
}

void ReportSheet::Text(int x, const std::string &text) {
    ops_.push_back(DrawOp{DrawKind::Text, x, DrawY(line_), 0, 0, 0, false, text});
}

void ReportSheet::TextRight(int xRight, const std::string &text) {
    ops_.push_back(DrawOp{DrawKind::TextRight, xRight, DrawY(line_), 0, 0, 0, false, text});
}

void ReportSheet::Profile(std::size_t cycleStart, int x, int y, int x2, int y2) {
    DrawOp op{DrawKind::Profile, x, y, x2, y2, 0, false, {}};
    op.cycleStart = cycleStart;
    ops_.push_back(op);
}

void ReportSheet::Rule(int x, int y, int x2, int y2, int pen) {
    ops_.push_back(DrawOp{DrawKind::Line, x, y, x2, y2, pen, false, {}});
}

void ReportSheet::StartPage() {
    if (page_ != 1)
        ops_.push_back(DrawOp{});
    line_ = 1;
}

void ReportSheet::Header(const std::string &date, const std::string &title) {
    Regular();
    TextRight(width_ - margin_, date);
    line_ += 1;
    Font(kBoldDivisor, true);
    Text(margin_, title);
    Regular();
    line_ += 2;
}

void ReportSheet::Footer() {
    line_ = kFooterLine;
    TextRight(width_ - margin_, "page " + std::to_string(page_));
}

void ReportSheet::RowFrame(RowKind kind) {
    const int c = ColumnLeft(line_);
    const int e = ColumnRight(line_);
    const int y0 = DrawY(line_) - lineHeight_ / 7;
    const int y1 = y0 + lineHeight_;
    const bool heading = kind == RowKind::Heading;
    // The left column's right rule also closes the right column on its left.
    if (!InRightColumn(line_))
        Rule(c, y0, c, y1, thick_);
    const bool thickBottom = heading || line_ == kLastLeftLine;
    Rule(c, y1, e, y1, thickBottom ? thick_ : thin_);
    Rule(e, y0, e, y1, thick_);
    if (!heading) {
        Rule(c + width_ / 25, y0, c + width_ / 25, y1, thin_);
        Rule(e - width_ / 15, y0, e - width_ / 15, y1, thin_);
    }
    if (heading || line_ == kFirstRightLine)
        Rule(c, y0, e, y0, thick_);
}

void ReportSheet::ClosingFrame(int line) {
    const int y1 = DrawY(line) - lineHeight_ / 7 + lineHeight_;
    Rule(ColumnLeft(line), y1, ColumnRight(line), y1, thick_);
}

void ReportSheet::NextRow() {
    ++line_;
    if (line_ == kLastLeftLine + 1)
        line_ += 2;
}

} // namespace korvanta
