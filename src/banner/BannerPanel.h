#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;
class WindowSystem;
struct BannerSettings;
class SystemMetrics;

// Builds the context menu at every right click; an empty menu once the
// banner's program is ending.
using ContextMenuProvider = std::function<std::unique_ptr<QMenu>()>;

// Hosts the banner view and opens the context menu on a right click. Without
// a provider, the click goes on to the panel.
class BannerView : public QWidget {
    Q_OBJECT
public:
    BannerView(const BannerSettings& settings, const SystemMetrics& metrics,
               QWidget* parent = nullptr);

    ContextMenuProvider contextMenuProvider;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// The banner window: frameless, transparent, above other windows, on every
// desktop, never focused or activated, not draggable, but receiving clicks.
class BannerPanel : public QWidget {
    Q_OBJECT
public:
    explicit BannerPanel(WindowSystem& windowSystem);

    ContextMenuProvider contextMenuProvider;

    // Replaces (and releases) the current hosting view.
    void setView(BannerView* view);
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
    QPointer<BannerView> m_view;
    QRect m_requested;
    bool m_isBox = false;
    bool m_windowManagerStretchesDocks = false;
    QTimer m_sizeCheck;
};

// Pops a freshly built menu up at a global position and waits for it.
void popUpContextMenu(const ContextMenuProvider& provider, const QPoint& globalPos);
