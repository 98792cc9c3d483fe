#pragma once

#include "platform/BannerSurface.h"
#include "platform/wayland/LayerSurface.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class WaylandDisplay;

// The banner window on a compositor with a layer shell. Qt keeps the window
// and paints it, but shows it nowhere: what it paints goes to a layer
// surface of the program's own, anchored to the banner's edge. Menus still
// open through XWayland, which the compositor shows under the layer: they
// open beside the banner's strip, never under it.
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

    // Watches the banner window for what it painted, and the open menus for
    // where they show.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updatePlace();
    void keepOutOfStrip(QWidget& popup) const;
    void paint();
    void clicked(wl_surface* surface, QPointF at, std::uint32_t button);

    WaylandDisplay& m_display;
    QWidget& m_window;
    Say m_say;
    std::unique_ptr<LayerSurface> m_layer;
    std::optional<BannerPlacement> m_placement;
    bool m_saidNotShown = false;
    qreal m_qtScale = 1; // compositor's logical pixels per pixel of Qt's
    // Draws once Qt has painted the window's changes.
    QTimer m_paint;
};
