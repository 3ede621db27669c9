#include "print/CycleHeading.h"

#include <algorithm>

namespace korvanta {

namespace {

constexpr char kEllipsis = '\x85'; // "…" in Windows-1252

// The title and the duration side by side: at the usual place when it fits, else with the
// duration right-aligned. Nothing when they do not fit at this size.
bool Place(const std::string &title, const std::string &duration, const CycleHeadingRoom &room,
           int points, const TextWidth &width, CycleHeadingFit &fit) {
    const int titleEnd = room.left + width(title, points, true);
    const int durationWidth = width(duration, points, true);
    fit.points = points;
    fit.title = title;
    if (titleEnd + room.gap <= room.durationX && room.durationX + durationWidth <= room.right) {
        fit.durationAtRight = false;
        return true;
    }
    fit.durationAtRight = true;
    return titleEnd + room.gap + durationWidth <= room.right;
}

} // namespace

CycleHeadingFit FitCycleHeading(const CycleHeadingParts &text, const CycleHeadingRoom &room,
                                int points, const TextWidth &width) {
    const std::string full = text.prefix + text.name + text.suffix;
    const int smallest = std::max(1, points * 2 / 3);
    CycleHeadingFit fit;
    for (int size = std::max(points, 1); size >= smallest; --size)
        if (Place(full, text.duration, room, size, width, fit))
            return fit;
    for (std::size_t keep = text.name.size(); keep-- > 0;) {
        const std::string title = text.prefix + text.name.substr(0, keep) + kEllipsis + text.suffix;
        if (Place(title, text.duration, room, smallest, width, fit))
            return fit;
    }
    // A page too narrow even for "Cycle N: …": the title gives way to the duration.
    std::string title = text.prefix + kEllipsis + text.suffix;
    while (!title.empty() && !Place(title, text.duration, room, smallest, width, fit))
        title.pop_back();
    fit.title = title;
    return fit;
}

} // namespace korvanta
