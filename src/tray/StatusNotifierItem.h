#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QDBusServiceWatcher;

// The tray icon as a StatusNotifierItem on the session bus, the tray of
// Wayland desktops (swaybar, waybar, KDE Plasma). Qt's own item forgets
// where the host asks for the menu; this one passes the place on. It has
// no menu of its own on the bus, so a host asks for one with ContextMenu.
// It registers with the host's watcher, also when the host appears later
// or again after it restarts.
class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    explicit StatusNotifierItem(const QString& title, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // The item's name on the bus; empty when there is no session bus.
    QString serviceName() const { return m_service; }
    // A passing notice through the desktop's notification service.
    void notify(const QString& title, const QString& message);

    // The host's place for the menu from one of its requests; nothing for
    // a host that passes none (0, 0).
    static std::optional<QPoint> placeFromHost(int x, int y);

signals:
    // A click on the icon, either button; where the host says.
    void menuRequested(std::optional<QPoint> at);

private:
    void registerWithWatcher();

    QString m_service;
    QDBusServiceWatcher* m_watcher = nullptr;
};
