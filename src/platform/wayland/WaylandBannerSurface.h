#pragma once

#include "platform/BannerSurface.h"
#include "platform/wayland/LayerSurface.h"
#include "platform/wayland/WaylandMenu.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class WaylandDisplay;

// The banner window on a compositor with a layer shell. Qt keeps the window
// and paints it, but shows it nowhere: what it paints goes to a layer
// surface of the program's own, anchored to the banner's edge. Its menus
// are popups of that surface, which the compositor places beside the strip
// at the click and shows above every window, bar and other banner.
class WaylandBannerSurface final : public BannerSurface {
public:
    using Say = std::function<void(const QString& message)>;
    WaylandBannerSurface(WaylandDisplay& display, QWidget& window, Say say);
    ~WaylandBannerSurface() override;

    void show() override;
    void hide() override;
    bool isShown() const override { return m_layer != nullptr; }
    void place(const BannerPlacement& placement) override;
    void popUp(QMenu& menu, const QPoint& at) override;

    // Watches the banner window for what it painted.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updatePlace();
    void paint();
    void clicked(wl_surface* surface, QPointF at, std::uint32_t button);

    WaylandDisplay& m_display;
    QWidget& m_window;
    Say m_say;
    std::unique_ptr<LayerSurface> m_layer;
    std::unique_ptr<WaylandMenu> m_menu; // while one is open
    QPointF m_lastClick;                 // on the layer surface
    std::optional<BannerPlacement> m_placement;
    bool m_saidNotShown = false;
    qreal m_qtScale = 1; // compositor's logical pixels per pixel of Qt's
    // Draws once Qt has painted the window's changes.
    QTimer m_paint;
};
