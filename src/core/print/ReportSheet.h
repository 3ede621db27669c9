#pragma once

#include <string>
#include <vector>

#include "print/DrawOp.h"

namespace korvanta {

// Lines of the printed report: 55 line heights to the page. Lines 1..52 form the left column,
// drawn at their own height; from 53 on the right column, drawn 50 lines higher (line 55 at
// the height of line 5).
constexpr int kLinesPerPage = 55;
constexpr int kLastLeftLine = 52;
constexpr int kFirstRightLine = 55;
constexpr int kLastRightLine = 102; // as many rows as the left column from line 5
constexpr int kFooterLine = 53;

// The page geometry, the page and line counters, and the draw operations made so far.
class ReportSheet {
public:
    explicit ReportSheet(const ReportPage &page);

    enum class RowKind { Heading, Step };

    int Width() const { return width_; }
    int Height() const { return height_; }
    int LineHeight() const { return lineHeight_; }
    int Margin() const { return margin_; }
    int Line() const { return line_; }

    static bool InRightColumn(int line) { return line > kLastLeftLine; }
    int DrawY(int line) const;
    int ColumnLeft(int line) const;
    int ColumnRight(int line) const;

    void Regular();
    void Bold();
    // The size of the table's texts in points, and a bold font of any size.
    int RowPoints() const;
    void BoldAt(int points);
    void Text(int x, const std::string &text);
    void TextRight(int xRight, const std::string &text);
    // The profile of the cycle whose CycleStart is at record cycleStart, in the rectangle.
    void Profile(std::size_t cycleStart, int x, int y, int x2, int y2);

    // From the second page on, a new page starts with the line counter at 1.
    void StartPage();
    // Date right-aligned on line 1, the title in bold on line 2; the line counter ends at 4.
    void Header(const std::string &date, const std::string &title);
    // "page N" right-aligned on line 53, which follows the right column's rule like every line
    // from 53 on: it stands at the height of line 3, at the top right under the date.
    void Footer();
    void NextPageNumber() { ++page_; }

    // The frame of the row on the current line.
    void RowFrame(RowKind kind);
    // The thick rule that closes a cycle under the row on this line.
    void ClosingFrame(int line);
    // The line counter moves on to the next row, over the gap between the columns.
    void NextRow();
    // The line counter moves on by one (configuration lines stay in the left column).
    void NextLine() { ++line_; }
    // True when the right column is full as well.
    bool PageFull() const { return line_ > kLastRightLine; }

    std::vector<DrawOp> TakeOps() { return std::move(ops_); }

private:
    int Points(int divisor) const;
    void Font(int divisor, bool bold);
    void Rule(int x, int y, int x2, int y2, int pen);

    int width_;
    int height_;
    int dpi_;
    int lineHeight_;
    int margin_;
    int thick_;
    int thin_;
    int line_ = 1;
    int page_ = 1;
    std::vector<DrawOp> ops_;
};

} // namespace korvanta
