#include "spaceguard/SpaceGuard.h"

SpaceGuard::SpaceGuard(OtherWindows& windows)
    : m_windows(windows) {}

QList<WindowRequest> SpaceGuard::plan(const QRect& strip, bool topFamily,
                                      const QList<ClientWindow>& windows,
                                      const NudgeLimits& limits) {
    QList<WindowRequest> requests;
    for (const ClientWindow& window : windows) {
        if (const auto change = nudgeFor(strip, topFamily, window.frame, limits))
            requests.append({window, *change});
    }
    return requests;
}

void SpaceGuard::startTick() {
    m_sentThisTick.clear();
    // A window that was out of the strip for a whole tick starts afresh.
    for (auto it = m_ticksAsked.begin(); it != m_ticksAsked.end();) {
        if (m_inStripThisTick.contains(it.key()))
            ++it;
        else
            it = m_ticksAsked.erase(it);
    }
    m_inStripThisTick.clear();
}

void SpaceGuard::runPass(const QRect& strip, bool topFamily, const NudgeLimits& limits) {
    QList<WindowRequest> requests;
    for (const WindowRequest& request :
         plan(strip, topFamily, m_windows.nudgeableWindows(), limits)) {
        const std::uint32_t id = request.window.id;
        m_inStripThisTick.insert(id);
        const auto sent = m_sentThisTick.constFind(id);
        if (sent != m_sentThisTick.cend()) {
            if (*sent == request.change)
                continue; // not landed yet, or refused until the next tick
        } else if (m_ticksAsked.value(id) >= maxTicksAsked) {
            continue; // asked in each of the last ticks and still there
        } else {
            ++m_ticksAsked[id];
        }
        m_sentThisTick.insert(id, request.change);
        requests.append(request);
    }
    if (!requests.isEmpty())
        m_windows.moveResizeWindows(requests);
}
