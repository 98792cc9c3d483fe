#pragma once

#include "platform/WindowSystem.h"
#include "platform/x11/X11Atoms.h"
#include "platform/x11/X11ClientWindows.h"
#include "platform/x11/X11Decoders.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QTimer>

#include <functional>
#include <memory>

// The window system over Qt's own xcb connection. It watches the root
// window for another window being activated or appearing (_NET_ACTIVE_WINDOW,
// _NET_CLIENT_LIST) and for changes of the reserved space (_NET_WORKAREA,
// and windows of the root's that come and go). Banners tell each other
// their places through a property on their windows (_VORLANE_PLACE), and
// touch the root's property of that name to say it changed.
class X11WindowSystem final : public WindowSystem, public QAbstractNativeEventFilter {
public:
    ~X11WindowSystem() override;

    // Whether a PID is a banner process of this program and this user.
    using BannerCheck = std::function<bool(qint64 pid)>;
    // Nothing when Qt does not run on xcb with a live connection.
    static std::unique_ptr<X11WindowSystem> create(BannerCheck isBanner);

    void showBannerWindow(QWidget& window) override;
    QSize rootSize() const override { return m_rootSize; }
    QList<Strut> foreignStruts() const override { return m_foreignStruts; }
    QList<BannerPlace> earlierBanners() const override { return m_earlierBanners; }
    void publishBannerPlace(QWidget& window, const BannerPlace& place) override;
    void setBannerStrut(QWidget& window, const std::optional<Strut>& strut) override;
    QList<ClientWindow> nudgeableWindows() override { return m_clients.nudgeable(); }
    void moveResizeWindows(const QList<WindowRequest>& requests) override {
        m_clients.moveResize(requests);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Marks each new top-level window of this process (dialogs too) as a
    // banner's, before it is mapped, so that no banner's pass moves it.
    bool eventFilter(QObject* watched, QEvent* event) override;

    xcb_connection_t* connection() const { return m_connection; }
    const X11Atoms& atoms() const { return m_atoms; }

private:
    X11WindowSystem(xcb_connection_t* connection, BannerCheck isBanner);
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
    X11Atoms m_atoms;
    X11ClientWindows m_clients;
    BannerCheck m_isBanner;
    bool m_serverNamesOwners = false;
    // What each banner window carries now, so that an unchanged strut is not
    // written again (which would make the window manager announce a new
    // work area, and so on).
    QHash<xcb_window_t, std::optional<Strut>> m_struts;
    QHash<xcb_window_t, BannerPlace> m_places; // likewise, what each tells the others
    PublishedPlace m_self;                     // when this process started, and its id
    // What the server said last. The root's size comes with its events; the
    // struts are read again a moment after windows of the root's come or go
    // and when the work area changes (refreshForeignStruts); the client
    // windows (m_clients) at the next pass after their events said they changed.
    QSize m_rootSize;
    QList<Strut> m_foreignStruts;
    QList<BannerPlace> m_earlierBanners;
    QTimer m_dockCheck;
};
