#pragma once

#include "platform/BannerSurface.h"
#include "platform/OtherWindows.h"

#include "platform/Screens.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

class QMenu;
class QWidget;

// What the banner needs from the window system besides Qt's own windows: a
// surface that shows the banner window, and, where the window manager
// leaves docks to find their own room, the other windows.
class WindowSystem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The surface for the banner window; the window outlives it.
    virtual std::unique_ptr<BannerSurface> surfaceFor(QWidget& window) = 0;
    // Nothing where the compositor keeps windows out of the strip and
    // stacks the banners itself.
    virtual OtherWindows* otherWindows() { return nullptr; }
    // True where the desktop's trays are StatusNotifierItem hosts only
    // (Wayland compositors): the tray icon then speaks that protocol itself.
    virtual bool traysAreStatusNotifierHosts() const { return false; }
    // Opens the tray icon's menu where the tray asked for it (a point of the
    // desktop in device pixels), or else at the pointer, and returns at once.
    virtual void popUpTrayMenu(QMenu& menu, std::optional<QPoint> at,
                               const QList<ScreenInfo>& screens);

signals:
    // The window system is gone, and the banner cannot be shown any more.
    void lost(const QString& reason);
    // Something the person should know (said once by the program).
    void problem(const QString& message);
};
