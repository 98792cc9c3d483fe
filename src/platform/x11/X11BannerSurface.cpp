#include "platform/x11/X11BannerSurface.h"

#include "platform/StrutGeometry.h"
#include "platform/x11/X11Desktop.h"
#include "platform/x11/X11Properties.h"

#include <QEvent>
#include <QMenu>
#include <QWidget>
#include <QWindow>

X11BannerSurface::X11BannerSurface(QWidget& window, xcb_connection_t* connection,
                                   const X11Atoms& atoms, X11Desktop& desktop)
    : m_window(window)
    , m_connection(connection)
    , m_atoms(atoms)
    , m_desktop(desktop) {
    m_sizeCheck.setSingleShot(true);
    m_sizeCheck.setInterval(300);
    connect(&m_sizeCheck, &QTimer::timeout, this, &X11BannerSurface::checkSizeGiven);
    // An unmanaged window is not kept above others by the window manager.
    connect(&desktop, &OtherWindows::windowActivity, this, [this] {
        if (isUnmanaged() && m_window.isVisible())
            m_window.raise();
    });
    m_window.installEventFilter(this);
}

void X11BannerSurface::show() {
    if (m_window.isVisible())
        return;
    // Set while the window is unmapped: window managers read these when it
    // is mapped, and drop state and desktop again when it is unmapped.
    const auto id = static_cast<xcb_window_t>(m_window.winId());
    setProperty32(m_connection, id, m_atoms[X11Atoms::NetWmWindowType], XCB_ATOM_ATOM,
                  {m_atoms[X11Atoms::NetWmWindowTypeDock]});
    setProperty32(m_connection, id, m_atoms[X11Atoms::NetWmState], XCB_ATOM_ATOM,
                  {m_atoms[X11Atoms::NetWmStateAbove], m_atoms[X11Atoms::NetWmStateSticky],
                   m_atoms[X11Atoms::NetWmStateSkipTaskbar],
                   m_atoms[X11Atoms::NetWmStateSkipPager]});
    setProperty32(m_connection, id, m_atoms[X11Atoms::NetWmDesktop], XCB_ATOM_CARDINAL,
                  {0xFFFFFFFFu});
    setProperty32(m_connection, id, m_atoms[X11Atoms::VorlaneBanner], XCB_ATOM_CARDINAL, {1});
    // Qt lists WM_TAKE_FOCUS; with it, a window manager may hand the banner
    // the focus (xfwm4 does when the focused window closes under the pointer).
    auto protocols = readProperty32(
        m_connection, requestProperty(m_connection, id, m_atoms[X11Atoms::WmProtocols]));
    std::erase(protocols, m_atoms[X11Atoms::WmTakeFocus]);
    setProperty32(m_connection, id, m_atoms[X11Atoms::WmProtocols], XCB_ATOM_ATOM, protocols);
    m_window.show();
    xcb_flush(m_connection);
}

void X11BannerSurface::hide() {
    m_window.hide();
}

bool X11BannerSurface::isShown() const {
    return m_window.isVisible();
}

void X11BannerSurface::place(const BannerPlacement& placement) {
    m_placement = placement;
    setUnmanaged(m_windowManagerStretchesDocks && placement.box);
    m_window.setGeometry(placement.frame);
    publishPlace();
    writeStrut();
}

void X11BannerSurface::popUp(QMenu& menu, const QPoint& at) {
    menu.exec(at);
}

bool X11BannerSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Resize && m_placement &&
        m_placement->box && !isUnmanaged() && m_window.size() != m_placement->frame.size())
        m_sizeCheck.start();
    return false;
}

bool X11BannerSurface::isUnmanaged() const {
    return m_window.windowFlags().testFlag(Qt::X11BypassWindowManagerHint);
}

void X11BannerSurface::checkSizeGiven() {
    if (!m_placement || !m_placement->box || isUnmanaged() || !m_window.isVisible() ||
        m_window.size() == m_placement->frame.size())
        return;
    m_windowManagerStretchesDocks = true;
    setUnmanaged(true);
}

void X11BannerSurface::setUnmanaged(bool unmanaged) {
    if (unmanaged == isUnmanaged())
        return;
    const bool visible = m_window.isVisible();
    m_window.hide();
    m_window.setWindowFlag(Qt::X11BypassWindowManagerHint, unmanaged);
    // A new X window: the window manager may still be handing the old one
    // back (and would put it where it pleases).
    if (QWindow* window = m_window.windowHandle())
        window->destroy();
    m_published.reset();
    m_strut.reset();
    if (m_placement)
        m_window.setGeometry(m_placement->frame);
    if (visible)
        show();
    publishPlace();
    writeStrut();
}

void X11BannerSurface::publishPlace() {
    if (!m_placement)
        return;
    const BannerPlace place{m_placement->top, m_placement->deviceFrame()};
    if (m_published == place)
        return;
    m_published = place;
    PublishedPlace published = m_desktop.self();
    published.place = place;
    const auto id = static_cast<xcb_window_t>(m_window.winId());
    setProperty32(m_connection, id, m_atoms[X11Atoms::VorlanePlace], XCB_ATOM_CARDINAL,
                  encodePlace(published));
    // Appending nothing changes nothing, but every banner hears of it.
    xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_desktop.root(),
                        m_atoms[X11Atoms::VorlanePlace], XCB_ATOM_CARDINAL, 32, 0, nullptr);
    xcb_flush(m_connection);
}

void X11BannerSurface::writeStrut() {
    std::optional<Strut> strut;
    if (m_placement && m_placement->reserve) {
        QList<QRect> otherMonitors;
        for (qsizetype i = 0; i < m_placement->screens.size(); ++i) {
            if (i != m_placement->screenIndex)
                otherMonitors.append(deviceRect(m_placement->screens[i]));
        }
        strut = bannerStrut(m_placement->deviceFrame(), m_placement->top, m_desktop.rootSize(),
                            otherMonitors);
    }
    if (m_strut && *m_strut == strut)
        return;
    m_strut = strut;
    const auto id = static_cast<xcb_window_t>(m_window.winId());
    if (strut) {
        const auto v = strut->partial();
        setProperty32(m_connection, id, m_atoms[X11Atoms::NetWmStrutPartial], XCB_ATOM_CARDINAL,
                      {v.begin(), v.end()});
        setProperty32(m_connection, id, m_atoms[X11Atoms::NetWmStrut], XCB_ATOM_CARDINAL,
                      {v.begin(), v.begin() + 4});
    } else {
        xcb_delete_property(m_connection, id, m_atoms[X11Atoms::NetWmStrutPartial]);
        xcb_delete_property(m_connection, id, m_atoms[X11Atoms::NetWmStrut]);
    }
    xcb_flush(m_connection);
}
