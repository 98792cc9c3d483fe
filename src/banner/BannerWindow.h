#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class BannerView;
class QMenu;
class WindowSystem;
struct BannerSettings;
class SystemMetrics;

// Builds the context menu at every right click; an empty menu once the
// banner's program is ending.
using ContextMenuProvider = std::function<std::unique_ptr<QMenu>()>;

// The banner window: frameless, transparent, above other windows, on every
// desktop, never focused or activated, not draggable, but receiving clicks.
// It holds the one view of the banner, and opens the context menu on a right
// click anywhere on it.
class BannerWindow : public QWidget {
    Q_OBJECT
public:
    BannerWindow(WindowSystem& windowSystem, const BannerSettings& settings,
                 const SystemMetrics& metrics, ContextMenuProvider contextMenu);

    BannerView* view() const { return m_view; }

    // Shows the banner without activating the program; the window-manager
    // hints are written again before every show.
    void showBanner();
    void hideBanner();
    bool isBannerVisible() const { return isVisible(); }

    // Places the banner. A box narrower than its screen stays a dock unless
    // the window manager has stretched one (i3 lays docks out across its dock
    // area): from then on boxes are unmanaged windows, which keep their size.
    void setBannerGeometry(const QRect& frame, bool isBox);
    bool isUnmanaged() const { return windowFlags().testFlag(Qt::X11BypassWindowManagerHint); }

signals:
    // The banner has a new native window: its strut must be written again.
    void windowReplaced();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void checkSizeGiven();
    void setUnmanaged(bool unmanaged);

    WindowSystem& m_windowSystem;
    ContextMenuProvider m_contextMenu;
    BannerView* m_view; // a child
    QRect m_requested;
    bool m_isBox = false;
    bool m_windowManagerStretchesDocks = false;
    QTimer m_sizeCheck;
};

// Pops a freshly built menu up at a global position and waits for it.
void popUpContextMenu(const ContextMenuProvider& provider, const QPoint& globalPos);
