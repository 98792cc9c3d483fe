#include "platform/wayland/WaylandMenu.h"

#include "platform/wayland/WaylandDisplay.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <xkbcommon/xkbcommon-keysyms.h>

namespace {

enum Key : std::uint32_t {
    escape = XKB_KEY_Escape,
    enter = XKB_KEY_Return,
    space = XKB_KEY_space,
    keypadEnter = XKB_KEY_KP_Enter,
    up = XKB_KEY_Up,
    left = XKB_KEY_Left,
    right = XKB_KEY_Right,
    down = XKB_KEY_Down,
};
constexpr std::uint32_t leftButton = 0x110; // BTN_LEFT

bool canLight(const QAction* action) {
    return action && action->isVisible() && action->isEnabled() && !action->isSeparator();
}

} // namespace

WaylandMenu::WaylandMenu(WaylandDisplay& display, int scale, qreal qtScale)
    : m_display(display)
    , m_scale(scale)
    , m_qtScale(qtScale) {
    connect(&display, &WaylandDisplay::pointerMoved, this, &WaylandMenu::pointerAt);
    // The compositor closes the menus on a click on another program only: a
    // click on a surface of this one (a banner) closes them here.
    connect(&display, &WaylandDisplay::buttonPressed, this, [this](wl_surface* surface) {
        if (depthOf(surface) < 0)
            closeFrom(0);
    });
    connect(&display, &WaylandDisplay::buttonReleased, this, &WaylandMenu::clickEnded);
    connect(&display, &WaylandDisplay::keyPressed, this, &WaylandMenu::keyDown);
}

WaylandMenu::~WaylandMenu() {
    closeFrom(0);
}

void WaylandMenu::exec(QMenu& menu, const PopupPlace& place) {
    if (isOpen())
        return;
    m_chosen = nullptr;
    open(menu, place);
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    if (QAction* chosen = m_chosen.data())
        chosen->trigger();
}

void WaylandMenu::open(QMenu& menu, const PopupPlace& place) {
    menu.setActiveAction(nullptr);
    auto popup = std::make_unique<MenuPopup>(m_display, menu, place, m_scale, m_qtScale);
    // Handled from Qt's event loop, not within libwayland's dispatch.
    connect(
        popup.get(), &MenuPopup::dismissed, this,
        [this, shown = popup.get()] {
            for (std::size_t depth = 0; depth < m_open.size(); ++depth) {
                if (m_open[depth].get() == shown)
                    closeFrom(depth);
            }
        },
        Qt::QueuedConnection);
    m_open.push_back(std::move(popup));
}

int WaylandMenu::depthOf(wl_surface* surface) const {
    for (std::size_t depth = 0; depth < m_open.size(); ++depth) {
        if (m_open[depth]->surface() == surface)
            return int(depth);
    }
    return -1;
}

void WaylandMenu::pointerAt(wl_surface* surface, QPointF at) {
    const int depth = depthOf(surface);
    if (depth < 0)
        return;
    const MenuPopup& popup = *m_open[std::size_t(depth)];
    QAction* action = popup.menu().actionAt(popup.menuPoint(at));
    if (canLight(action) && light(std::size_t(depth), action) && action->menu())
        openSubmenu(std::size_t(depth), *action);
}

void WaylandMenu::clickEnded(wl_surface* surface, QPointF at, std::uint32_t button) {
    const int depth = depthOf(surface);
    if (depth < 0 || (button != leftButton && button != leftButton + 1))
        return; // the release of the click that opened the menu, or a wheel's
    const MenuPopup& popup = *m_open[std::size_t(depth)];
    QAction* action = popup.menu().actionAt(popup.menuPoint(at));
    if (canLight(action) && !action->menu())
        choose(action);
}

void WaylandMenu::keyDown(std::uint32_t key) {
    if (!isOpen())
        return;
    // The keys walk the innermost menu with a lit row: a submenu the pointer
    // opened is entered with Right, as on X11.
    std::size_t depth = m_open.size() - 1;
    while (depth > 0 && !m_open[depth]->menu().activeAction())
        --depth;
    QMenu& menu = m_open[depth]->menu();
    const bool rightToLeft = menu.isRightToLeft();
    const std::uint32_t into = rightToLeft ? left : right, outOf = rightToLeft ? right : left;
    const bool choosing = key == enter || key == keypadEnter || key == space;
    QAction* lit = menu.activeAction();
    if (key == up || key == down) {
        light(depth, rowAfter(menu, key == down ? 1 : -1));
    } else if ((key == into || choosing) && lit && lit->menu()) {
        if (m_open.size() == depth + 1)
            openSubmenu(depth, *lit);
        light(depth + 1, rowAfter(m_open[depth + 1]->menu(), 1));
    } else if (choosing && canLight(lit)) {
        choose(lit);
    } else if (key == escape) {
        closeFrom(m_open.size() - 1);
    } else if (key == outOf && depth > 0) {
        closeFrom(depth);
    }
}

bool WaylandMenu::light(std::size_t depth, QAction* action) {
    if (depth >= m_open.size() || !action)
        return false;
    MenuPopup& popup = *m_open[depth];
    if (popup.menu().activeAction() == action)
        return false;
    closeFrom(depth + 1);
    popup.menu().setActiveAction(action);
    static_cast<void>(popup.drawMenu());
    return true;
}

void WaylandMenu::openSubmenu(std::size_t depth, QAction& row) {
    const MenuPopup& popup = *m_open[depth];
    PopupPlace place;
    place.parent = popup.xdgSurface();
    place.anchor = popup.surfaceRect(popup.menu().actionGeometry(&row));
    place.submenu = true;
    place.rightToLeft = popup.menu().isRightToLeft();
    open(*row.menu(), place);
}

QAction* WaylandMenu::rowAfter(const QMenu& menu, int step) const {
    const QList<QAction*> rows = menu.actions();
    const qsizetype count = rows.size();
    qsizetype at = rows.indexOf(menu.activeAction());
    if (at < 0)
        at = step > 0 ? -1 : count;
    for (qsizetype tried = 0; tried < count; ++tried) {
        at = ((at + step) % count + count) % count;
        if (canLight(rows[at]))
            return rows[at];
    }
    return nullptr;
}

void WaylandMenu::choose(QAction* action) {
    m_chosen = action;
    closeFrom(0);
}

void WaylandMenu::closeFrom(std::size_t depth) {
    // The innermost first: a popup goes before the one it hangs from.
    while (m_open.size() > depth) {
        m_open.back()->menu().setActiveAction(nullptr);
        m_open.pop_back();
    }
    if (m_open.empty() && m_loop)
        m_loop->exit();
}
