#pragma once

#include "platform/wayland/MenuPopup.h"

#include <QObject>
#include <QPointer>
#include <QPointF>

#include <memory>
#include <vector>

class QAction;
class QEventLoop;
class QMenu;
class WaylandDisplay;

// A QMenu and its submenus run as popups of the banner's layer surface
// until they close, as QMenu::exec runs them on X11: the pointer lights rows
// and a click chooses one, the arrow keys walk them (Right into a submenu,
// Left back out; mirrored right to left), Return chooses, Escape closes the
// innermost. A click anywhere else closes them all and chooses nothing.
class WaylandMenu : public QObject {
    Q_OBJECT
public:
    WaylandMenu(WaylandDisplay& display, int scale, qreal qtScale);
    ~WaylandMenu() override;

    // Opens `menu` at `place` and returns once it closed, the chosen row's
    // action triggered.
    void exec(QMenu& menu, const PopupPlace& place);
    bool isOpen() const { return !m_open.empty(); }
    // Closes every menu without a choice.
    void closeAll() { closeFrom(0); }

private:
    void open(QMenu& menu, const PopupPlace& place);
    // The open menu showing on `surface`, as its depth; -1 for none.
    int depthOf(wl_surface* surface) const;
    void pointerAt(wl_surface* surface, QPointF at);
    void clickEnded(wl_surface* surface, QPointF at, std::uint32_t button);
    void keyDown(std::uint32_t key);
    // Lights `action` in the menu at `depth`, closing the submenus beyond;
    // false when it was lit already (or is nothing).
    bool light(std::size_t depth, QAction* action);
    void openSubmenu(std::size_t depth, QAction& row);
    // The next row that can be lit, `step` rows on (wrapping), from the lit one.
    QAction* rowAfter(const QMenu& menu, int step) const;
    void choose(QAction* action);
    void closeFrom(std::size_t depth);

    WaylandDisplay& m_display;
    int m_scale;
    qreal m_qtScale;
    std::vector<std::unique_ptr<MenuPopup>> m_open; // the menu first, then its submenus
    QPointer<QAction> m_chosen;
    QEventLoop* m_loop = nullptr;
};
