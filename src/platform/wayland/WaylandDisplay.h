#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QSocketNotifier>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_keyboard;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
Q_DECLARE_OPAQUE_POINTER(wl_surface*)

// A monitor as the compositor announces it; the name comes with version 4
// of wl_output, so older compositors leave it empty. XWayland names its
// screens otherwise (XWAYLAND0, ...), so Qt's screens are matched by position.
struct WaylandOutput {
    std::uint32_t globalName = 0;
    wl_output* output = nullptr;
    QString name;
    // Where it is in the compositor's layout, which XWayland's screens share.
    // wlroots compositors (sway) send 0,0 for every output: there the place
    // in the list decides.
    QPoint position;
    int scale = 1;
};

// The program's own connection to the Wayland compositor, beside Qt's, which
// stays on X11: the globals a layer surface and its menus need, the outputs
// as they come and go, and the pointer and the keyboard on the program's
// surfaces. Events are read whenever the socket has some.
class WaylandDisplay : public QObject {
    Q_OBJECT
public:
    // Nothing when no compositor can be reached or it has no layer shell.
    static std::unique_ptr<WaylandDisplay> open();
    ~WaylandDisplay() override;

    wl_compositor* compositor() const { return m_compositor; }
    wl_shm* shm() const { return m_shm; }
    zwlr_layer_shell_v1* layerShell() const { return m_layerShell; }
    // Menus are xdg popups; nothing where the compositor has no xdg shell.
    xdg_wm_base* xdgShell() const { return m_xdgShell; }
    wl_seat* seat() const { return m_seat; }
    // The latest button or key event's: what a menu's grab names.
    std::uint32_t lastInputSerial() const { return m_lastInputSerial; }
    // In the order the compositor announced them.
    const std::vector<WaylandOutput>& outputs() const { return m_outputs; }

    // Sends what has been asked so far.
    void flush();

signals:
    // An output came, went, or changed its name or scale.
    void outputsChanged();
    // A pointer button went down on one of the program's surfaces, at a point
    // in the surface's coordinates (Linux input codes: BTN_RIGHT is 0x111).
    void buttonPressed(wl_surface* surface, QPointF at, std::uint32_t button);
    void buttonReleased(wl_surface* surface, QPointF at, std::uint32_t button);
    // The pointer came onto or moved over one of the program's surfaces.
    void pointerMoved(wl_surface* surface, QPointF at);
    // A key went down while one of the program's surfaces (a menu) has the
    // keyboard: its symbol in the keyboard's layout (XKB_KEY_Down, ...).
    void keyPressed(std::uint32_t keysym);
    // The compositor closed the connection (it ended, or it dropped the program).
    void connectionLost();

private:
    explicit WaylandDisplay(wl_display* display);
    void readEvents();

    // What libwayland calls on the compositor's events (WaylandDisplay.cpp).
    struct Events;
    WaylandOutput* outputOf(wl_output* output);

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    wl_shm* m_shm = nullptr;
    zwlr_layer_shell_v1* m_layerShell = nullptr;
    wl_seat* m_seat = nullptr;
    xdg_wm_base* m_xdgShell = nullptr;
    wl_pointer* m_pointer = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    xkb_context* m_xkb = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_keys = nullptr;
    std::uint32_t m_lastInputSerial = 0;
    wl_surface* m_pointerSurface = nullptr;
    QPointF m_pointerAt;
    std::vector<WaylandOutput> m_outputs;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
