#pragma once

#include "platform/WindowSystem.h"

// A strut along one edge of the root window, as test data: its depth from
// that edge and the first and last pixel it covers along the edge.
enum class Edge { left = 0, right = 1, top = 2, bottom = 3 };

inline Strut strutOn(Edge edge, uint32_t depth, uint32_t start, uint32_t end) {
    Strut s;
    const int e = static_cast<int>(edge);
    s.values[e] = depth;
    s.values[4 + 2 * e] = start;
    s.values[5 + 2 * e] = end;
    return s;
}
