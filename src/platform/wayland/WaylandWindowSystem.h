#pragma once

#include "platform/wayland/LayerSurface.h"
#include "platform/wayland/WaylandDisplay.h"
#include "platform/WindowSystem.h"

#include <QPointer>
#include <QTimer>

#include <memory>

// The window system of a Wayland compositor with a layer shell (sway, KDE
// Plasma). Qt runs on XWayland for menus, dialogs and the tray, but the
// banner window itself is never shown there: what it draws goes to a layer
// surface of the program's own, anchored to the banner's edge. The
// compositor keeps windows out of its exclusive zone and stacks the banners
// at one edge, so nothing is nudged and no place is published.
class WaylandWindowSystem final : public WindowSystem {
public:
    // Nothing when WAYLAND_DISPLAY names no compositor with a layer shell.
    static std::unique_ptr<WaylandWindowSystem> create();
    ~WaylandWindowSystem() override;

    void showBannerWindow(QWidget& window) override;
    QSize rootSize() const override;
    QList<Strut> foreignStruts() const override { return {}; }
    QList<BannerPlace> earlierBanners() const override { return {}; }
    void publishBannerPlace(QWidget& window, const BannerPlace& place) override;
    void setBannerStrut(QWidget& window, const std::optional<Strut>& strut) override;
    QList<ClientWindow> nudgeableWindows() override { return {}; }
    void moveResizeWindows(const QList<WindowRequest>&) override {}
    bool compositorKeepsStripClear() const override { return true; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WaylandWindowSystem(std::unique_ptr<WaylandDisplay> display);
    void updatePlace();
    void keepOutOfStrip(QWidget* popup) const;
    void paint();
    void clicked(wl_surface* surface, QPointF at, std::uint32_t button);

    std::unique_ptr<WaylandDisplay> m_display;
    std::unique_ptr<LayerSurface> m_surface;
    QPointer<QWidget> m_banner;
    bool m_top = true;
    bool m_reserve = false;
    bool m_saidNotShown = false;
    qreal m_qtScale = 1; // compositor's logical pixels per pixel of Qt's
    // Draws once Qt has painted the window's changes.
    QTimer m_paint;
};
