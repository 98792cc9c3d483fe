#pragma once

#include "banner/BannerWindow.h"
#include "platform/Screens.h"

#include <QObject>
#include <QRect>

#include <memory>
#include <optional>

class SystemMetrics;
class WindowSystem;
struct BannerSettings;

// Where the banner goes: the screens as they are now, the one it is on, and
// its rectangle there.
struct BannerPlacement {
    QList<ScreenInfo> screens;
    qsizetype screenIndex = 0;
    QRect frame;

    const ScreenInfo& screen() const { return screens.at(screenIndex); }
    // The banner's rectangle in device pixels, as the window manager sees it.
    QRect deviceFrame() const;
};

// The banner on the screen: its window, placed from the settings and the
// screens, the strut that reserves its strip, and its view, drawn anew
// after an edit. It reads the settings; it never changes them.
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

    // The banner's place from the current settings and screens; nothing
    // while there is no screen.
    std::optional<BannerPlacement> placement() const;
    // Places the banner anew and writes its strut (with no screen at all the
    // banner keeps its last frame).
    void place();
    // Writes the strut alone: the strip while reserveSpace is on, else none.
    void writeStrut();
    // Draws the banner anew from the settings.
    void redraw();

    BannerWindow* window() const { return m_window.get(); }

private:
    void writeStrut(const std::optional<BannerPlacement>& place);

    const BannerSettings& m_settings;
    const SystemMetrics& m_metrics;
    Screens& m_screens;
    WindowSystem& m_windows;
    ContextMenuProvider m_contextMenu;
    std::unique_ptr<BannerWindow> m_window;
    mutable bool m_saidFull = false; // that the banners at its edge fill the screen
};
