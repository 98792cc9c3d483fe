#pragma once

#include "platform/BannerSurface.h"
#include "platform/OtherWindows.h"
#include "platform/x11/X11Atoms.h"

#include <QTimer>

#include <optional>

class QWidget;
class X11Desktop;

// The banner window as an X11 dock: above other windows, on every desktop,
// in no taskbar or pager, never handed the focus, marked as a banner's. It
// reserves its strip with both strut properties and tells the other banners
// its place. A box narrower than its screen stays a dock unless the window
// manager has stretched one (i3 lays docks out across its dock area): from
// then on boxes are unmanaged windows, which keep their size.
class X11BannerSurface final : public BannerSurface {
public:
    X11BannerSurface(QWidget& window, xcb_connection_t* connection, const X11Atoms& atoms,
                     X11Desktop& desktop);

    void show() override;
    void hide() override;
    bool isShown() const override;
    void place(const BannerPlacement& placement) override;
    void popUp(QMenu& menu, const QPoint& at) override;

    // Watches the banner window's size (and nothing else).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isUnmanaged() const;
    void setUnmanaged(bool unmanaged);
    void checkSizeGiven();
    // Both write only what changed: a strut written again makes the window
    // manager announce a new work area, and so on.
    void publishPlace();
    void writeStrut();

    QWidget& m_window;
    xcb_connection_t* m_connection;
    const X11Atoms& m_atoms;
    X11Desktop& m_desktop;
    std::optional<BannerPlacement> m_placement;
    bool m_windowManagerStretchesDocks = false;
    // The window manager's answer to a new geometry may come in steps: the
    // size it gave is judged once the answers have settled.
    QTimer m_sizeCheck;
    // What the native window carries now; forgotten when it is replaced.
    std::optional<BannerPlace> m_published;
    std::optional<std::optional<Strut>> m_strut;
};
