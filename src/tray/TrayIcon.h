#pragma once

#include "menus/MenuRenderer.h"

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class StatusNotifierItem;

// The banner's tray icon with its two-command menu. A left click opens the
// same menu as a right click.
//
// Two kinds of tray: on X11 Qt's icon, which Qt embeds in the tray when one
// appears (also later, or again after it restarts); on Wayland desktops a
// StatusNotifierItem of our own, so that the menu opens where the tray
// asks for it.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum class Kind { qt, statusNotifier };
    // Opens the menu where the tray asked for it (a point of the desktop in
    // device pixels), or else at the pointer; returns at once.
    using OpenMenu = std::function<void(QMenu& menu, std::optional<QPoint> at)>;

    TrayIcon(const MenuDispatch& dispatch, Kind kind, OpenMenu open, QObject* parent = nullptr);
    ~TrayIcon() override;

    QMenu& menu() const { return *m_menu; }
    // A short notice from the tray icon, where a tray host shows one: the
    // first problem of the process only (standard error has every one).
    void tellOnce(const QString& message);

signals:
    // A notice was shown.
    void told(const QString& message);

private:
    // At the tray's place for it, or else at the pointer.
    void openMenu(std::optional<QPoint> at);

    std::unique_ptr<QMenu> m_menu;
    OpenMenu m_openMenu;
    std::unique_ptr<QSystemTrayIcon> m_qtIcon;
    std::unique_ptr<StatusNotifierItem> m_item;
    bool m_told = false;
};
