#pragma once

#include "platform/Screens.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct BannerSettings;

// What choosing a menu item does. Each value names one command of the
// banner; `none` is an item that only informs or opens a submenu.
enum class MenuAction {
    none,
    setBannerHeight,
    editText,
    setBgColor,
    customBgColor,
    setTextColor,
    customTextColor,
    setFontSize,
    setTextAlign,
    setOpacity,
    setPosition,
    setScreen,
    toggleReserveSpace,
    toggleCPU,
    toggleMemory,
    metricsAllOn,
    metricsAllOff,
    addImage,
    removeImage,
    newBannerInstance,
    quickLaunchOnDisplay,
    restoreSession,
    saveCurrentSession,
    installAutostart,
    removeAutostart,
    resetDefaults,
    quitApp,
    quitAllBanners,
    toggleBanner,
};

// What a chosen item hands to its command: a number in the tag, a string in
// the payload. Commands read these, never the title.
struct MenuChoice {
    MenuAction action = MenuAction::none;
    int tag = 0;
    std::optional<QString> payload;

    friend bool operator==(const MenuChoice&, const MenuChoice&) = default;
};
Q_DECLARE_METATYPE(MenuChoice)

// One row of a menu: a command, an informing row, a separator or a submenu.
struct MenuItem {
    enum class Kind { command, separator, submenu };

    Kind kind = Kind::command;
    QString title;
    MenuChoice choice;
    bool checked = false;
    bool enabled = true;
    QString shortcut;            // e.g. "Ctrl+Q"; empty for none
    std::vector<MenuItem> items; // a submenu's rows

    static MenuItem separator() { return {Kind::separator, {}, {}, false, true, {}, {}}; }
    // The first item with this title, searching submenus too (for tests and tools).
    const MenuItem* find(const QString& itemTitle) const;
};

// Everything the context menu shows, read at the moment of the right click.
struct ContextMenuInputs {
    const BannerSettings& settings;
    QList<ScreenInfo> screens;
    QStringList runningRows; // "  ticker (PID 4242)", or the one "(this)" row
    bool autostartInstalled = false;
    QString instanceId;
};

// The lists the value submenus offer, in menu order.
inline constexpr std::array<int, 12> bannerHeights{24, 28, 32, 36, 40, 48, 56, 64, 72, 84, 96, 120};
inline constexpr std::array<int, 16> fontSizes{10, 11, 12, 13, 14, 16, 18, 20,
                                               24, 28, 32, 36, 40, 48, 56, 64};
inline constexpr std::array<int, 7> opacityPercents{30, 50, 60, 70, 80, 90, 100};

// The banner's context menu, titled "Banner Settings".
MenuItem contextMenuModel(const ContextMenuInputs& inputs);
// The tray icon's menu: show or hide the banner, quit.
MenuItem trayMenuModel();

// A number as a menu title writes it: truncated toward zero, no grouping.
QString wholeNumber(double value);
// The font size that goes with a banner height: half of it, rounded half
// away from zero, kept within 10..64.
double fontSizeForHeight(double height);
