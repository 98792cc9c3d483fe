#pragma once

#include "menus/Commands.h"
#include "platform/Screens.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct BannerSettings;

// One row of a menu: a command, an informing row, a separator or a submenu.
struct MenuItem {
    enum class Kind { command, separator, submenu };

    Kind kind = Kind::command;
    QString title;
    std::optional<Command> command; // nothing: a row that only informs
    bool checked = false;
    bool enabled = true;
    QString shortcut;            // e.g. "Ctrl+Q"; empty for none
    std::vector<MenuItem> items; // a submenu's rows

    static MenuItem separator() { return {Kind::separator, {}, std::nullopt, false, true, {}, {}}; }
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
