#pragma once

#include "spaceguard/NudgeRule.h"

#include <QHash>
#include <QSet>

// Runs nudging passes against the window system. A pass reads every window
// afresh, so a move is checked once it has landed. What is kept: which
// requests went out since the last guard tick (a window the window manager
// has not moved yet gets the same request at most once per tick), and for
// how many ticks in a row each window has been asked (a window that stays
// in the strip is left alone after maxTicksAsked, until it leaves).
class SpaceGuard {
public:
    static constexpr int maxTicksAsked = 3;

    explicit SpaceGuard(OtherWindows& windows);

    // One pass for a strip in device pixels.
    void runPass(const QRect& strip, bool topFamily, const NudgeLimits& limits);
    // A new guard tick: requests may be sent again.
    void startTick();

    // The requests one pass makes for the given windows (pure).
    static QList<WindowRequest> plan(const QRect& strip, bool topFamily,
                                     const QList<ClientWindow>& windows, const NudgeLimits& limits);

private:
    OtherWindows& m_windows;
    QHash<std::uint32_t, WindowChange> m_sentThisTick;
    QHash<std::uint32_t, int> m_ticksAsked;
    QSet<std::uint32_t> m_inStripThisTick;
};
