#include "banner/Banner.h"

#include "banner/BannerView.h"
#include "banner/Placement.h"
#include "banner/Stacking.h"
#include "platform/StrutGeometry.h"
#include "platform/WindowSystem.h"

#include <QMenu>

#include <cmath>
#include <utility>

Banner::Banner(const BannerSettings& settings, const SystemMetrics& metrics, Screens& screens,
               WindowSystem& windows, ContextMenuProvider contextMenu)
    : m_settings(settings)
    , m_metrics(metrics)
    , m_screens(screens)
    , m_windows(windows)
    , m_contextMenu(std::move(contextMenu)) {}

Banner::~Banner() = default;

void Banner::createAndShow() {
    m_window = std::make_unique<BannerWindow>(m_settings, m_metrics,
                                              [this](const QPoint& at) { openContextMenu(at); });
    m_surface = m_windows.surfaceFor(*m_window);
    place();
    redraw();
    m_surface->show();
}

void Banner::toggleVisible() {
    if (m_surface->isShown())
        m_surface->hide();
    else
        m_surface->show();
}

std::optional<BannerPlacement> Banner::placement() const {
    BannerPlacement placement;
    placement.screens = m_screens.screens();
    const auto index = targetScreenIndex(m_settings, placement.screens);
    if (!index)
        return std::nullopt;
    placement.screenIndex = *index;
    placement.top = isTop(m_settings.position);
    placement.box = isCorner(m_settings.position);
    placement.reserve = m_settings.reserveSpace;
    const OtherWindows* others = m_windows.otherWindows();
    const QRect available =
        others ? availableArea(placement.screen(), others->rootSize(), others->foreignStruts())
               : placement.screen().geometry;
    placement.frame = bannerRect(m_settings, placement.screen(), available);
    if (!others)
        return placement;
    // Past the banners started earlier at the same edge.
    bool full = false;
    const int offset = stackOffset({placement.top, placement.deviceFrame()},
                                   deviceRect(placement.screen()), others->earlierBanners(), &full);
    if (full && !std::exchange(m_saidFull, true))
        qWarning("vorlane: \"%s\": the banners at this edge fill the screen; this one stacks no "
                 "further than its far edge",
                 qPrintable(m_settings.instanceId));
    if (offset) {
        const qreal dpr = placement.screen().devicePixelRatio;
        const int logical = int(std::ceil(offset / (dpr > 0 ? dpr : 1.0)));
        placement.frame.translate(0, placement.top ? logical : -logical);
    }
    return placement;
}

void Banner::place() {
    if (auto placement = this->placement())
        m_placed = std::move(placement);
    else if (m_placed)
        m_placed->reserve = false;
    else
        return;
    m_surface->place(*m_placed);
}

void Banner::redraw() {
    m_window->view()->settingsChanged();
}

void Banner::openContextMenu(const QPoint& globalPos) {
    if (std::unique_ptr<QMenu> menu = m_contextMenu ? m_contextMenu() : nullptr)
        m_surface->popUp(*menu, globalPos);
}
