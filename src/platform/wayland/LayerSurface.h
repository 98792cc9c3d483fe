#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include "common/Result.h"
#include "platform/wayland/ShmBuffers.h"

#include <functional>
#include <optional>

class WaylandDisplay;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;

// Where a layer surface goes: on which output (by name, else by its
// position in the layout, else by its place in the compositor's list), at
// which edge, how along it, how large (in the
// output's logical pixels) and how much of the edge it keeps for itself.
struct LayerPlace {
    enum class Along { Stretched, Left, Centred, Right };

    QString outputName;
    QPoint outputPosition;
    qsizetype outputIndex = 0;
    bool top = true;
    Along along = Along::Stretched;
    QSize size;
    int exclusiveZone = 0;
    // Instead of a strip, one pixel at this point of the output (from its
    // top-left corner), on the overlay layer and heedless of bars, that is
    // never clicked: what a tray menu opens from.
    std::optional<QPoint> point;

    friend bool operator==(const LayerPlace&, const LayerPlace&) = default;
};

// A surface on the compositor's top layer, above normal windows, that takes
// the keyboard only while a menu of its own is open: the banner on a
// Wayland desktop, or a tray menu's anchor. It is made on its output when
// that output is there, and made again when it comes back.
class LayerSurface : public QObject {
    Q_OBJECT
public:
    explicit LayerSurface(WaylandDisplay& display);
    ~LayerSurface() override;

    void setPlace(const LayerPlace& place);
    // Has `draw` paint the surface, at the output's scale, straight into a
    // shared-memory buffer (premultiplied ARGB, cleared), and shows it.
    // Nothing is drawn before the compositor has said the surface's size, or
    // while it holds every buffer (drawn once one comes back). Fails when no
    // buffer can be made.
    [[nodiscard]] Result present(const std::function<void(QImage&)>& draw);
    // The image size a present should have; empty while there is nothing to
    // draw on.
    QSize pixelSize() const;
    int scale() const { return m_scale; }
    wl_surface* surface() const { return m_surface; }
    // What menus open from; nothing while the surface is not there.
    zwlr_layer_surface_v1* layer() const { return m_layer; }
    // The keyboard, while a menu of the surface is open (the compositor gives
    // a menu none of its own); never else.
    void takeKeyboard(bool take);

signals:
    // The surface has a (new) size, or is there again: draw it.
    void needsImage();

private:
    void followOutputs();
    wl_output* chosenOutput(int* scale) const;
    void make(wl_output* output);
    void destroy();
    void applyPlace();
    // What libwayland calls on the compositor's events (LayerSurface.cpp).
    struct Events;

    WaylandDisplay& m_display;
    LayerPlace m_place;
    wl_output* m_output = nullptr;
    int m_scale = 1;
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    QSize m_configured;
    ShmBuffers m_buffers;
};
