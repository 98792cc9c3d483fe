#include "banner/BannerWindow.h"

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

BannerWindow::BannerWindow(const BannerSettings& settings, const SystemMetrics& metrics,
                           Screens& screens, WindowSystem& windows, ContextMenuProvider contextMenu)
    : m_settings(settings)
    , m_metrics(metrics)
    , m_screens(screens)
    , m_windows(windows)
    , m_contextMenu(std::move(contextMenu)) {}

BannerWindow::~BannerWindow() = default;

void BannerWindow::createAndShow() {
    m_panel = std::make_unique<BannerPanel>(m_windows, m_settings, m_metrics, m_contextMenu);
    connect(m_panel.get(), &BannerPanel::windowReplaced, this, [this] { writeStrut(); });
    place();
    redraw();
    m_panel->showBanner();
}

void BannerWindow::toggleVisible() {
    if (m_panel->isBannerVisible())
        m_panel->hideBanner();
    else
        m_panel->showBanner();
}

std::optional<BannerPlacement> BannerWindow::placement() const {
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

void BannerWindow::place() {
    const auto place = placement();
    if (place) {
        m_panel->setBannerGeometry(place->frame, isCorner(m_settings.position));
        m_windows.publishBannerPlace(*m_panel, {isTop(m_settings.position), place->deviceFrame()});
    }
    writeStrut(place);
}

void BannerWindow::writeStrut() {
    writeStrut(placement());
}

void BannerWindow::writeStrut(const std::optional<BannerPlacement>& place) {
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
    m_windows.setBannerStrut(*m_panel, strut);
}

void BannerWindow::redraw() {
    m_panel->view()->settingsChanged();
}
