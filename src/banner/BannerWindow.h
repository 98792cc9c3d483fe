#pragma once

#include <QWidget>

#include <functional>

class BannerView;
class SystemMetrics;
struct BannerSettings;

// The banner window: frameless, transparent, above other windows, never
// focused or activated, not draggable, but receiving clicks. It holds the
// one view of the banner, and asks for the context menu on a right click
// anywhere on it. How it shows on the screen is the window system's
// (BannerSurface).
class BannerWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the context menu at a global position.
    using ContextMenuRequest = std::function<void(const QPoint& globalPos)>;

    BannerWindow(const BannerSettings& settings, const SystemMetrics& metrics,
                 ContextMenuRequest contextMenu);

    BannerView* view() const { return m_view; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ContextMenuRequest m_contextMenu;
    BannerView* m_view; // a child
};
