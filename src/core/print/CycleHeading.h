#pragma once

#include <string>

#include "print/TextWidth.h"

namespace korvanta {

// Marks the heading of a cycle whose steps go on from the previous page.
constexpr const char *kContinuedMark = " (continued)";
// Marks the heading of the page that shows the cycle's profile.
constexpr const char *kProfileMark = " (profile)";

// The heading row of a printed cycle: "Cycle N: name" on the left, the estimated duration
// after it, both bold and inside the row's frame.
struct CycleHeadingParts {
    std::string prefix;   // "Cycle 3: "
    std::string name;     // Windows-1252; may be shortened to fit
    std::string suffix;   // kContinuedMark, kProfileMark or empty
    std::string duration; // "Estimated duration: 0:42:05"
};

// Where the heading may go, in device pixels.
struct CycleHeadingRoom {
    int left = 0;      // start of the title
    int right = 0;     // nothing may pass this (the frame's right rule less a padding)
    int durationX = 0; // the duration's usual start, kept when both texts fit around it
    int gap = 0;       // least space between title and duration
};

// How the heading is set: the size, the title as printed and where the duration goes.
struct CycleHeadingFit {
    int points = 0;
    std::string title;
    bool durationAtRight = false; // right-aligned against room.right instead of at durationX
};

// Sets the heading at the largest size from points down to two thirds of it at which the title
// and the duration stand side by side inside the room; when even the smallest size is too
// large, the name is shortened with an ellipsis. The two texts never overlap.
CycleHeadingFit FitCycleHeading(const CycleHeadingParts &text, const CycleHeadingRoom &room,
                                int points, const TextWidth &width);

} // namespace korvanta
