#pragma once

#include "spaceguard/NudgeRule.h"

#include <QHash>

// Runs nudging passes against the window system. A pass reads every window
// afresh; the only thing kept is which requests went out since the last
// guard tick, so that a window the window manager will not move gets the
// same request at most once per tick.
class SpaceGuard {
public:
    explicit SpaceGuard(WindowSystem& windows);

    // One pass for a strip in device pixels.
    void runPass(const QRect& strip, bool topFamily, const NudgeLimits& limits);
    // A new guard tick: requests may be sent again.
    void startTick() { m_sentThisTick.clear(); }

    // The requests one pass makes for the given windows (pure).
    static QList<WindowRequest> plan(const QRect& strip, bool topFamily,
                                     const QList<ClientWindow>& windows, const NudgeLimits& limits);

private:
    WindowSystem& m_windows;
    QHash<std::uint32_t, WindowChange> m_sentThisTick;
};
