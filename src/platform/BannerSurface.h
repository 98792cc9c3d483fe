#pragma once

#include "platform/Screens.h"
#include "platform/StrutGeometry.h"

#include <QObject>
#include <QRect>

class QMenu;

// Where the banner goes: the screens as they are now, the one it is on, its
// frame there (in Qt's logical pixels), the edge it hangs from or stands on,
// and whether it keeps its strip to itself.
struct BannerPlacement {
    QList<ScreenInfo> screens;
    qsizetype screenIndex = 0;
    QRect frame;
    bool top = true;
    bool box = false; // narrower than its screen: a corner
    bool reserve = false;

    const ScreenInfo& screen() const { return screens.at(screenIndex); }
    // The banner's rectangle in device pixels, as the window manager sees it.
    QRect deviceFrame() const { return toDevice(frame, screen()); }

    friend bool operator==(const BannerPlacement&, const BannerPlacement&) = default;
};

// How the window system shows one banner window: above other windows, on
// every desktop, in no taskbar, never focused, at its place. The window
// itself paints as any widget does; the surface puts what it painted on the
// screen.
class BannerSurface : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the banner without taking the focus; it is mapped at once, not
    // when the event loop next runs.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
    // Places the banner, and reserves its strip or gives it back.
    virtual void place(const BannerPlacement& placement) = 0;
    // Pops a menu up at a global position, clear of the banner's strip, and
    // waits for it to close.
    virtual void popUp(QMenu& menu, const QPoint& at) = 0;
};
