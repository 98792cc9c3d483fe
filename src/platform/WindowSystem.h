#pragma once

#include <QList>
#include <QSize>

#include <array>
#include <cstdint>

class QWidget;

// _NET_WM_STRUT_PARTIAL: the space a window reserves along the root window's
// outer edges, in device pixels: left, right, top, bottom, then the start and
// end of each along its edge (left_start_y, left_end_y, right_start_y,
// right_end_y, top_start_x, top_end_x, bottom_start_x, bottom_end_x).
struct Strut {
    std::array<std::uint32_t, 12> values{};

    std::uint32_t left() const { return values[0]; }
    std::uint32_t right() const { return values[1]; }
    std::uint32_t top() const { return values[2]; }
    std::uint32_t bottom() const { return values[3]; }
    bool isEmpty() const { return !left() && !right() && !top() && !bottom(); }

    friend bool operator==(const Strut&, const Strut&) = default;
};

// What the banner needs from the window system besides Qt's own windows.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Before every show: a dock that is above other windows, on every
    // desktop, in no taskbar or pager, and recognisable as a banner.
    virtual void prepareBannerWindow(QWidget& window) = 0;

    // The size of the root window in device pixels (empty when unknown).
    virtual QSize rootSize() = 0;
    // The struts of the other docks and panels; never those of a banner.
    virtual QList<Strut> foreignStruts() = 0;
};
