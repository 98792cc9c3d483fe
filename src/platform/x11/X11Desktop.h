#pragma once

#include "platform/OtherWindows.h"
#include "platform/x11/X11Atoms.h"
#include "platform/x11/X11ClientWindows.h"
#include "platform/x11/X11Decoders.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>

#include <functional>

// The other windows of an X11 desktop, over Qt's own xcb connection. It
// watches the root window for another window being activated or appearing
// (_NET_ACTIVE_WINDOW, _NET_CLIENT_LIST) and for changes of the reserved
// space (_NET_WORKAREA, and windows of the root's that come and go). Banners
// tell each other their places through a property on their windows
// (_VORLANE_PLACE), and touch the root's property of that name to say it
// changed.
class X11Desktop final : public OtherWindows, public QAbstractNativeEventFilter {
public:
    // Whether a PID is a banner process of this program and this user.
    using BannerCheck = std::function<bool(qint64 pid)>;

    X11Desktop(xcb_connection_t* connection, const X11Atoms& atoms, BannerCheck isBanner);
    ~X11Desktop() override;

    QSize rootSize() const override { return m_rootSize; }
    QList<Strut> foreignStruts() const override { return m_foreignStruts; }
    QList<BannerPlace> earlierBanners() const override { return m_earlierBanners; }
    QList<ClientWindow> nudgeableWindows() override { return m_clients.nudgeable(); }
    void moveResizeWindows(const QList<WindowRequest>& requests) override {
        m_clients.moveResize(requests);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    xcb_window_t root() const { return m_root; }
    // When this process started, and its id: what orders it among the banners.
    const PublishedPlace& self() const { return m_self; }

private:
    void watchRootWindow();
    // Reads the other windows' struts and the earlier banners' places
    // again; whether they changed.
    bool refreshForeignStruts();
    // The places of those that are banners' indeed, earliest first.
    QList<BannerPlace> earlierBannersOf(const std::vector<xcb_window_t>& windows,
                                        const std::vector<PublishedPlace>& claims) const;
    std::vector<xcb_window_t> mappedChildren(const std::vector<xcb_window_t>& parents);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    const X11Atoms& m_atoms;
    BannerCheck m_isBanner;
    X11ClientWindows m_clients;
    bool m_serverNamesOwners = false;
    PublishedPlace m_self;
    // What the server said last. The root's size comes with its events; the
    // struts are read again a moment after windows of the root's come or go
    // and when the work area changes (refreshForeignStruts); the client
    // windows (m_clients) at the next pass after their events said they changed.
    QSize m_rootSize;
    QList<Strut> m_foreignStruts;
    QList<BannerPlace> m_earlierBanners;
    QTimer m_dockCheck;
};
