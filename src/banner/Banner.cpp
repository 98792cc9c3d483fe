#include "banner/Banner.h"

#include "banner/BannerView.h"
#include "banner/Placement.h"
#include "banner/Stacking.h"
#include "banner/StrutGeometry.h"
#include "platform/WindowSystem.h"

#include <QMenu>

#include <cmath>
#include <utility>

QRect BannerPlacement::deviceFrame() const {
    return toDevice(frame, screen());
}

Banner::Banner(const BannerSettings& settings, const SystemMetrics& metrics, Screens& screens,
               WindowSystem& windows, ContextMenuProvider contextMenu)
    : m_settings(settings)
    , m_metrics(metrics)
    , m_screens(screens)
    , m_windows(windows)
    , m_contextMenu(std::move(contextMenu)) {}

Banner::~Banner() = default;

void Banner::createAndShow() {
    m_window = std::make_unique<BannerWindow>(m_windows, m_settings, m_metrics, m_contextMenu);
    connect(m_window.get(), &BannerWindow::windowReplaced, this, [this] { writeStrut(); });
    place();
    redraw();
    m_window->showBanner();
}

void Banner::toggleVisible() {
    if (m_window->isBannerVisible())
        m_window->hideBanner();
    else
        m_window->showBanner();
}

std::optional<BannerPlacement> Banner::placement() const {
    BannerPlacement placement;
    placement.screens = m_screens.screens();
    const auto index = targetScreenIndex(m_settings, placement.screens);
    if (!index)
        return std::nullopt;
    placement.screenIndex = *index;
    const QRect available =
        availableArea(placement.screen(), m_windows.rootSize(), m_windows.foreignStruts());
    placement.frame = bannerRect(m_settings, placement.screen(), available);
    // Past the banners started earlier at the same edge.
    const bool top = isTop(m_settings.position);
    bool full = false;
    const int offset = stackOffset({top, placement.deviceFrame()}, deviceRect(placement.screen()),
                                   m_windows.earlierBanners(), &full);
    if (full && !std::exchange(m_saidFull, true))
        qWarning("vorlane: \"%s\": the banners at this edge fill the screen; this one stacks no "
                 "further than its far edge",
                 qPrintable(m_settings.instanceId));
    if (offset) {
        const qreal dpr = placement.screen().devicePixelRatio;
        const int logical = int(std::ceil(offset / (dpr > 0 ? dpr : 1.0)));
        placement.frame.translate(0, top ? logical : -logical);
    }
    return placement;
}

void Banner::place() {
    const auto place = placement();
    if (place) {
        m_window->setBannerGeometry(place->frame, isCorner(m_settings.position));
        m_windows.publishBannerPlace(*m_window, {isTop(m_settings.position), place->deviceFrame()});
    }
    writeStrut(place);
}

void Banner::writeStrut() {
    writeStrut(placement());
}

void Banner::writeStrut(const std::optional<BannerPlacement>& place) {
    std::optional<Strut> strut;
    if (place && m_settings.reserveSpace) {
        QList<QRect> otherMonitors;
        for (qsizetype i = 0; i < place->screens.size(); ++i) {
            if (i != place->screenIndex)
                otherMonitors.append(deviceRect(place->screens[i]));
        }
        strut = bannerStrut(place->deviceFrame(), isTop(m_settings.position), m_windows.rootSize(),
                            otherMonitors);
    }
    m_windows.setBannerStrut(*m_window, strut);
}

void Banner::redraw() {
    m_window->view()->settingsChanged();
}
