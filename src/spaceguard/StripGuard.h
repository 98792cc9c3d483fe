#pragma once

#include "spaceguard/SpaceGuard.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>
#include <optional>

// The banner's strip as a pass sees it: in device pixels, at which edge, and
// the screen's scale (the smallest size a window is shrunk to scales too).
struct Strip {
    QRect device;
    bool topFamily = true;
    qreal devicePixelRatio = 1;
};

// Keeps other programs' windows out of the banner's strip: a pass every
// guard tick and 0.3 s after another window is activated or appears, both
// while reserveSpace is on, and one pass a second after start-up whatever
// it says. The strip and the setting are asked for at each pass.
class StripGuard : public QObject {
    Q_OBJECT
public:
    static constexpr int tickIntervalMs = 2000;
    static constexpr int startupPassDelayMs = 1000;
    static constexpr int windowEventDelayMs = 300;

    StripGuard(OtherWindows& windows, std::function<std::optional<Strip>()> strip,
               std::function<bool()> reserveSpace);

    void start();
    void stop();
    bool isRunning() const { return m_tick.isActive() || m_startupPass.isActive(); }

    // One pass now, whatever reserveSpace says; none while there is no strip.
    void runPass();
    // A guard tick: requests may be sent again, then a pass while reserveSpace is on.
    void tick();
    // Another window was activated or appeared.
    void windowEvent();

private:
    std::function<std::optional<Strip>()> m_strip;
    std::function<bool()> m_reserveSpace;
    SpaceGuard m_guard;
    QTimer m_tick;
    QTimer m_startupPass;
    QTimer m_windowEventPass;
    bool m_windowEventPending = false; // another event came while the delay ran
};
