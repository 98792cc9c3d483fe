#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/Strut.h"

#include <cstdint>
#include <optional>

class QWidget;

// Another program's window that the banner may move out of its strip, with
// its frame geometry (client rectangle grown by the frame) in device pixels.
struct ClientWindow {
    std::uint32_t id = 0;
    QRect frame;
    QMargins frameExtents;
    // The window manager publishes no frame extents and takes a requested
    // position as the client's, not the frame's (i3).
    bool placesClient = false;
};

// Where a banner is, as it tells the other banners: its frame in device
// pixels, and whether it hangs from the top edge or stands on the bottom one.
struct BannerPlace {
    bool top = true;
    QRect frame;

    friend bool operator==(const BannerPlace&, const BannerPlace&) = default;
};

// What a window is asked to become: a new frame size and, optionally, a new
// frame position.
struct WindowChange {
    std::optional<QPoint> position;
    QSize size;

    friend bool operator==(const WindowChange&, const WindowChange&) = default;
};

struct WindowRequest {
    ClientWindow window;
    WindowChange change;
};

// What the banner needs from the window system besides Qt's own windows.
class WindowSystem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the banner window as a dock that is above other windows, on
    // every desktop, in no taskbar or pager, and recognisable as a banner.
    // The map is sent at once, not when the event loop next runs, so that
    // the window manager maps the banner while the program goes on starting.
    virtual void showBannerWindow(QWidget& window) = 0;

    // The size of the root window in device pixels (empty when unknown).
    virtual QSize rootSize() const = 0;
    // The struts of the other docks and panels; never those of a banner.
    virtual QList<Strut> foreignStruts() const = 0;

    // The places of the banners started before this one and shown now, in
    // the order they started.
    virtual QList<BannerPlace> earlierBanners() const = 0;
    // Tells the other banners where this one is.
    virtual void publishBannerPlace(QWidget& window, const BannerPlace& place) = 0;

    // Reserves the banner's strip (both strut properties), or drops the
    // reservation when there is none.
    virtual void setBannerStrut(QWidget& window, const std::optional<Strut>& strut) = 0;

    // The normal and dialog windows of other programs; never docks, desktops,
    // menus, notifications, banners, fullscreen or hidden windows.
    virtual QList<ClientWindow> nudgeableWindows() = 0;
    // Sends every request before returning; nothing is waited for.
    virtual void moveResizeWindows(const QList<WindowRequest>& requests) = 0;
    // The compositor itself keeps windows out of the reserved strip: no
    // window needs moving.
    virtual bool compositorKeepsStripClear() const { return false; }

signals:
    // Another window was activated, or a new one appeared.
    void applicationEvent();
    // The space that docks and panels reserve changed, or an earlier
    // banner moved, came or went.
    void workAreaChanged();
    // The window system is gone, and the banner cannot be shown any more.
    void lost(const QString& reason);
    // Something the person should know (said once by the program).
    void problem(const QString& message);
};
