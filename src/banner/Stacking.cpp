#include "banner/Stacking.h"

#include <algorithm>

int stackOffset(const BannerPlace& own, const QRect& screen, const QList<BannerPlace>& earlier,
                bool* full) {
    int offset = 0;
    for (const BannerPlace& other : earlier) {
        const QRect& f = other.frame;
        const bool sharesWidth = f.left() <= own.frame.right() && own.frame.left() <= f.right();
        if (other.top != own.top || !sharesWidth || !screen.contains(f))
            continue;
        // How far the other's far side lies from where this one starts.
        offset = std::max(offset, own.top ? f.bottom() + 1 - own.frame.top()
                                          : own.frame.bottom() + 1 - f.top());
    }
    // As far as the screen's far edge, and no further.
    const int room = std::max(0, own.top ? screen.bottom() - own.frame.bottom()
                                         : own.frame.top() - screen.top());
    if (full)
        *full = offset > room;
    return std::min(offset, room);
}
