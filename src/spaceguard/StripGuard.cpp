#include "spaceguard/StripGuard.h"

#include <utility>

StripGuard::StripGuard(OtherWindows& windows, std::function<std::optional<Strip>()> strip,
                       std::function<bool()> reserveSpace)
    : m_strip(std::move(strip))
    , m_reserveSpace(std::move(reserveSpace))
    , m_guard(windows)
    , m_tick(this)
    , m_startupPass(this)
    , m_windowEventPass(this) {
    // The timers are members, so they die with the guard: a timed pass can
    // never reach a guard that is gone. Their names are for tests.
    m_startupPass.setObjectName(QStringLiteral("startupPass"));
    m_windowEventPass.setObjectName(QStringLiteral("windowEventPass"));
    m_tick.setInterval(tickIntervalMs);
    m_startupPass.setInterval(startupPassDelayMs);
    m_startupPass.setSingleShot(true);
    m_windowEventPass.setInterval(windowEventDelayMs);
    m_windowEventPass.setSingleShot(true);
    connect(&m_tick, &QTimer::timeout, this, &StripGuard::tick);
    connect(&m_startupPass, &QTimer::timeout, this, &StripGuard::runPass);
    connect(&m_windowEventPass, &QTimer::timeout, this, [this] {
        runPass();
        // A window that appeared while this delay ran gets a delay of its own.
        if (std::exchange(m_windowEventPending, false))
            m_windowEventPass.start();
    });
    connect(&windows, &OtherWindows::windowActivity, this, &StripGuard::windowEvent);
}

void StripGuard::start() {
    m_tick.start();
    m_startupPass.start();
}

void StripGuard::stop() {
    m_tick.stop();
    m_startupPass.stop();
    m_windowEventPass.stop();
}

void StripGuard::runPass() {
    const auto strip = m_strip();
    if (!strip)
        return;
    // The pass works in device pixels, like the window manager.
    const qreal dpr = strip->devicePixelRatio;
    const NudgeLimits limits{NudgeLimits{}.minimumSide * dpr, NudgeLimits{}.minimumHeight * dpr};
    m_guard.runPass(strip->device, strip->topFamily, limits);
}

void StripGuard::tick() {
    m_guard.startTick();
    if (m_reserveSpace())
        runPass();
}

void StripGuard::windowEvent() {
    if (!m_reserveSpace())
        return;
    if (m_windowEventPass.isActive())
        m_windowEventPending = true;
    else
        m_windowEventPass.start();
}
