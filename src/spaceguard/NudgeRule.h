#pragma once

#include "platform/OtherWindows.h"

#include <QRect>

#include <optional>

struct NudgeLimits {
    double minimumSide = 50.0;    // windows must be wider and taller than this
    double minimumHeight = 100.0; // and keep more than this
};

// The decision for one window (the change has a new position only in the
// top family; width and horizontal position never change) against the banner strip, both in the
// same y-down space. All comparisons are strict:
//  - a window counts when it is wider and taller than minimumSide and
//    overlaps the strip horizontally (touching its side edge is no overlap);
//  - top family: a window that crosses the strip's bottom edge is moved down
//    onto it and shrunk, keeping its bottom edge;
//  - bottom family: a window that crosses the strip's top edge is shrunk
//    from below, keeping its top-left corner;
//  - in both, only when more than minimumHeight remains.
std::optional<WindowChange> nudgeFor(const QRect& strip, bool topFamily, const QRect& window,
                                     const NudgeLimits& limits = {});
