#include "platform/x11/X11Desktop.h"

#include "platform/x11/X11Properties.h"

#include <QCoreApplication>
#include <QDateTime>

X11Desktop::X11Desktop(xcb_connection_t* connection, const X11Atoms& atoms, BannerCheck isBanner)
    : m_connection(connection)
    , m_root(rootWindow(connection))
    , m_atoms(atoms)
    , m_isBanner(std::move(isBanner))
    , m_clients(connection, m_root, atoms, m_isBanner)
    , m_serverNamesOwners(serverNamesWindowOwners(connection)) {
    m_self.startedMs = QDateTime::currentMSecsSinceEpoch();
    m_self.pid = uint32_t(QCoreApplication::applicationPid());
    // Windows come and go in bursts (a menu, a dialog with its parts).
    m_dockCheck.setSingleShot(true);
    m_dockCheck.setInterval(100);
    connect(&m_dockCheck, &QTimer::timeout, this, [this] {
        if (refreshForeignStruts())
            emit workAreaChanged();
    });
    watchRootWindow();
    XcbReply<xcb_get_geometry_reply_t> rootGeometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, m_root), nullptr));
    m_rootSize = rootGeometry ? QSize(rootGeometry->width, rootGeometry->height) : QSize();
    refreshForeignStruts();
}

X11Desktop::~X11Desktop() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11Desktop::watchRootWindow() {
    // Event masks are per client: add to what Qt selected on the root.
    XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr));
    const uint32_t mask = (attributes ? attributes->your_event_mask : 0) |
                          XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                          XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool X11Desktop::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_CONFIGURE_NOTIFY: {
        // A window of the root's moved or changed size (frames do when their
        // clients do), or the root itself did.
        const auto* notify = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (notify->window == m_root)
            m_rootSize = QSize(notify->width, notify->height);
        else if (notify->event == m_root)
            m_clients.changed();
        break;
    }
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY:
    case XCB_DESTROY_NOTIFY:
    case XCB_REPARENT_NOTIFY:
        // A window of the root's came or went: perhaps a dock. Not every
        // window manager announces a new work area for it (i3 has none;
        // xfwm4 keeps quiet when the banner's own strut covers the dock's).
        // These events all carry the window they were reported on first.
        if (reinterpret_cast<const xcb_map_notify_event_t*>(event)->event == m_root) {
            m_clients.changed();
            m_dockCheck.start();
        }
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notify->window != m_root)
            break;
        // A new or newly active window may have set its type, state or
        // frame extents without anything else changing.
        if (notify->atom == m_atoms[X11Atoms::NetActiveWindow] ||
            notify->atom == m_atoms[X11Atoms::NetClientList]) {
            m_clients.changed();
            emit windowActivity();
        }
        if (notify->atom == m_atoms[X11Atoms::NetWorkarea]) {
            refreshForeignStruts();
            emit workAreaChanged();
        }
        if (notify->atom == m_atoms[X11Atoms::VorlanePlace])
            m_dockCheck.start(); // a banner moved
        break;
    }
    }
    return false; // Qt sees every event too
}

// The mapped children of each parent, in one batch for the trees and one for
// the children's attributes.
std::vector<xcb_window_t> X11Desktop::mappedChildren(const std::vector<xcb_window_t>& parents) {
    const auto trees = readAll(
        m_connection,
        sendAll(parents, [&](xcb_window_t parent) { return xcb_query_tree(m_connection, parent); }),
        xcb_query_tree_reply);
    std::vector<xcb_window_t> children;
    for (const auto& tree : trees) {
        if (tree) {
            const xcb_window_t* list = xcb_query_tree_children(tree.get());
            children.insert(children.end(), list,
                            list + xcb_query_tree_children_length(tree.get()));
        }
    }
    const auto attributes = readAll(
        m_connection,
        sendAll(children,
                [&](xcb_window_t child) { return xcb_get_window_attributes(m_connection, child); }),
        xcb_get_window_attributes_reply);
    std::vector<xcb_window_t> mapped;
    for (size_t i = 0; i < children.size(); ++i) {
        if (attributes[i] && attributes[i]->map_state == XCB_MAP_STATE_VIEWABLE)
            mapped.push_back(children[i]);
    }
    return mapped;
}

bool X11Desktop::refreshForeignStruts() {
    // Not from _NET_CLIENT_LIST, which i3 keeps docks out of: the mapped
    // children of the root (unmanaged or unframed windows) and theirs (the
    // clients inside window-manager frames).
    std::vector<xcb_window_t> windows = mappedChildren({m_root});
    const std::vector<xcb_window_t> framed = mappedChildren(windows);
    windows.insert(windows.end(), framed.begin(), framed.end());

    const std::vector<xcb_atom_t> asked = {
        m_atoms[X11Atoms::VorlaneBanner], m_atoms[X11Atoms::NetWmStrutPartial],
        m_atoms[X11Atoms::NetWmStrut], m_atoms[X11Atoms::VorlanePlace]};
    const auto values = readAll(m_connection, requestProperties(m_connection, windows, asked),
                                xcb_get_property_reply);
    QList<Strut> struts;
    std::vector<xcb_window_t> claimants;
    std::vector<PublishedPlace> claims;
    for (size_t i = 0; i < windows.size(); ++i) {
        const auto* v = &values[i * asked.size()];
        const auto banner = values32(v[0].get());
        if (const auto strut =
                reservedStrut(banner, values32(v[1].get()), values32(v[2].get()), m_rootSize))
            struts.append(*strut);
        if (const auto place = decodePlace(values32(v[3].get()));
            place && !banner.empty() && place->startedBefore(m_self)) {
            claimants.push_back(windows[i]);
            claims.push_back(*place);
        }
    }
    QList<BannerPlace> places = earlierBannersOf(claimants, claims);
    const bool changed = struts != m_foreignStruts || places != m_earlierBanners;
    m_foreignStruts = std::move(struts);
    m_earlierBanners = std::move(places);
    return changed;
}

QList<BannerPlace> X11Desktop::earlierBannersOf(const std::vector<xcb_window_t>& windows,
                                                const std::vector<PublishedPlace>& claims) const {
    // Any client can write a place on any window: one counts when the window
    // was made by the process it names (where the server can say) and that
    // process is a banner of this program and user.
    const auto owners = m_serverNamesOwners ? windowOwnerPids(m_connection, windows)
                                            : std::vector<std::optional<uint32_t>>();
    QList<PublishedPlace> earlier;
    for (size_t i = 0; i < claims.size(); ++i) {
        const bool madeByIt = !m_serverNamesOwners || owners[i] == claims[i].pid;
        if (madeByIt && m_isBanner && m_isBanner(claims[i].pid))
            earlier.append(claims[i]);
    }
    std::sort(earlier.begin(), earlier.end(),
              [](const auto& a, const auto& b) { return a.startedBefore(b); });
    QList<BannerPlace> places;
    for (const PublishedPlace& p : earlier)
        places.append(p.place);
    return places;
}
