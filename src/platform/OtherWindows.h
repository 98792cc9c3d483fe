#pragma once

#include "platform/Strut.h"

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

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

// The other windows on a desktop whose window manager leaves each dock to
// find its own room (X11): the space other docks reserve, the places of the
// banners started earlier, and the windows the banner may move out of its
// strip. A compositor that arranges its layers itself has none of this.
class OtherWindows : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The size of the root window in device pixels (empty when unknown).
    virtual QSize rootSize() const = 0;
    // The struts of the other docks and panels; never those of a banner.
    virtual QList<Strut> foreignStruts() const = 0;
    // The places of the banners started before this one and shown now, in
    // the order they started.
    virtual QList<BannerPlace> earlierBanners() const = 0;

    // The normal and dialog windows of other programs; never docks, desktops,
    // menus, notifications, banners, fullscreen or hidden windows.
    virtual QList<ClientWindow> nudgeableWindows() = 0;
    // Sends every request before returning; nothing is waited for.
    virtual void moveResizeWindows(const QList<WindowRequest>& requests) = 0;

signals:
    // Another window was activated, or a new one appeared.
    void windowActivity();
    // The space that docks and panels reserve changed, or an earlier
    // banner moved, came or went.
    void workAreaChanged();
};
