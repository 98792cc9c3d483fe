#pragma once

#include "banner/BannerWindow.h"
#include "platform/BannerSurface.h"
#include "platform/Screens.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class SystemMetrics;
class WindowSystem;
struct BannerSettings;

// Builds the context menu at every right click; an empty menu once the
// banner's program is ending.
using ContextMenuProvider = std::function<std::unique_ptr<QMenu>()>;

// The banner on the screen: its window, shown by the window system's
// surface, placed from the settings, the screens and the other windows, and
// its view, drawn anew after an edit. It reads the settings; it never
// changes them.
class Banner : public QObject {
    Q_OBJECT
public:
    Banner(const BannerSettings& settings, const SystemMetrics& metrics, Screens& screens,
           WindowSystem& windows, ContextMenuProvider contextMenu);
    ~Banner() override;

    // Makes the window, places it and maps it at once.
    void createAndShow();
    // Hiding stops nothing; showing brings the banner back without the focus.
    void toggleVisible();

    // The banner's place from the current settings, screens and other
    // windows; nothing while there is no screen.
    std::optional<BannerPlacement> placement() const;
    // Places the banner anew, and reserves its strip while reserveSpace is
    // on (with no screen at all the banner keeps its last frame and
    // reserves nothing).
    void place();
    // Draws the banner anew from the settings.
    void redraw();

    BannerWindow* window() const { return m_window.get(); }

private:
    void openContextMenu(const QPoint& globalPos);

    const BannerSettings& m_settings;
    const SystemMetrics& m_metrics;
    Screens& m_screens;
    WindowSystem& m_windows;
    ContextMenuProvider m_contextMenu;
    std::unique_ptr<BannerWindow> m_window;
    std::unique_ptr<BannerSurface> m_surface; // goes before the window it shows
    std::optional<BannerPlacement> m_placed;  // the last place given
    mutable bool m_saidFull = false;          // that the banners at its edge fill the screen
};
