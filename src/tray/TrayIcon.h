#pragma once

#include "menus/MenuRenderer.h"

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

// The banner's tray icon with its two-command menu. A left click opens the
// same menu as a right click. Qt embeds the icon in the tray host when one
// appears (also later, or again after it restarts).
class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(const MenuDispatch& dispatch, QObject* parent = nullptr);
    ~TrayIcon() override;

    QMenu& menu() const { return *m_menu; }
    // A short notice from the tray icon, where a tray host shows one: the
    // first problem of the process only (standard error has every one).
    void tellOnce(const QString& message);

signals:
    // A notice was shown.
    void told(const QString& message);

private:
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon m_icon;
    bool m_told = false;
};
