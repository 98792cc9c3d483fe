#include "spaceguard/SpaceGuard.h"

SpaceGuard::SpaceGuard(WindowSystem& windows)
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

void SpaceGuard::runPass(const QRect& strip, bool topFamily, const NudgeLimits& limits) {
    QList<WindowRequest> requests;
    for (const WindowRequest& request :
         plan(strip, topFamily, m_windows.nudgeableWindows(), limits)) {
        const auto sent = m_sentThisTick.constFind(request.window.id);
        if (sent != m_sentThisTick.cend() && *sent == request.change)
            continue;
        m_sentThisTick.insert(request.window.id, request.change);
        requests.append(request);
    }
    if (!requests.isEmpty())
        m_windows.moveResizeWindows(requests);
}
