#include "menus/MenuModel.h"

#include "settings/BannerSettings.h"
#include "settings/ColorPresets.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = MenuItem::Kind;

MenuItem command(const QString& title, MenuAction action, bool checked = false) {
    MenuItem item;
    item.title = title;
    item.choice.action = action;
    item.checked = checked;
    return item;
}

MenuItem tagged(const QString& title, MenuAction action, int tag, bool checked) {
    MenuItem item = command(title, action, checked);
    item.choice.tag = tag;
    return item;
}

MenuItem carrying(const QString& title, MenuAction action, const QString& payload, bool checked) {
    MenuItem item = command(title, action, checked);
    item.choice.payload = payload;
    return item;
}

MenuItem info(const QString& title) {
    MenuItem item;
    item.title = title;
    item.enabled = false;
    return item;
}

MenuItem submenu(const QString& title, std::vector<MenuItem> items) {
    MenuItem item;
    item.kind = Kind::submenu;
    item.title = title;
    item.items = std::move(items);
    return item;
}

MenuItem heightsMenu(const BannerSettings& s) {
    std::vector<MenuItem> items;
    for (int height : bannerHeights) {
        const bool current = height == s.bannerHeight;
        QString title = QString::number(height) + QStringLiteral(" pt");
        if (current)
            title += QStringLiteral(" (font: ") + wholeNumber(s.fontSize) + u')';
        items.push_back(tagged(title, MenuAction::setBannerHeight, height, current));
    }
    return submenu(QStringLiteral("Banner Size: ") + wholeNumber(s.bannerHeight) +
                       QStringLiteral(" pt"),
                   std::move(items));
}

// Preset rows are marked by exact string equality: a colour picked in the
// colour dialog is stored in upper case and so marks no lower-case preset.
MenuItem colorsMenu(const QString& title, std::span<const ColorPreset> presets,
                    const QString& current, MenuAction set, MenuAction custom) {
    std::vector<MenuItem> items;
    for (const ColorPreset& preset : presets)
        items.push_back(carrying(preset.name, set, preset.hex, preset.hex == current));
    items.push_back(MenuItem::separator());
    items.push_back(command(QStringLiteral("Custom..."), custom));
    return submenu(title, std::move(items));
}

MenuItem fontSizesMenu(const BannerSettings& s) {
    std::vector<MenuItem> items;
    for (int size : fontSizes)
        items.push_back(tagged(QString::number(size) + QStringLiteral(" pt"),
                               MenuAction::setFontSize, size, size == s.fontSize));
    return submenu(QStringLiteral("Font Size"), std::move(items));
}

// One row per case of a settings enumeration, carrying its stored form.
template <typename Enum, std::size_t N>
MenuItem casesMenu(const QString& title, const std::array<Enum, N>& cases, MenuAction action,
                   Enum current) {
    std::vector<MenuItem> items;
    for (Enum value : cases)
        items.push_back(carrying(displayName(value), action, rawValue(value), value == current));
    return submenu(title, std::move(items));
}

MenuItem opacitiesMenu(const BannerSettings& s) {
    std::vector<MenuItem> items;
    for (int percent : opacityPercents)
        items.push_back(tagged(QString::number(percent) + u'%', MenuAction::setOpacity, percent,
                               std::abs(s.opacity - percent / 100.0) < 0.01));
    return submenu(QStringLiteral("Opacity"), std::move(items));
}

MenuItem displaysMenu(const ContextMenuInputs& in) {
    std::vector<MenuItem> items;
    for (qsizetype i = 0; i < in.screens.size(); ++i)
        items.push_back(tagged(QStringLiteral("Display %1: ").arg(i) + in.screens[i].name,
                               MenuAction::setScreen, int(i), i == in.settings.screenIndex));
    return submenu(QStringLiteral("Display"), std::move(items));
}

MenuItem metricsMenu(const BannerSettings& s) {
    return submenu(QStringLiteral("Metrics"),
                   {command(QStringLiteral("Show CPU"), MenuAction::toggleCPU, s.showCPU),
                    command(QStringLiteral("Show Memory"), MenuAction::toggleMemory, s.showMemory),
                    MenuItem::separator(),
                    command(QStringLiteral("All On"), MenuAction::metricsAllOn),
                    command(QStringLiteral("All Off"), MenuAction::metricsAllOff)});
}

MenuItem bannersMenu(const ContextMenuInputs& in) {
    std::vector<MenuItem> items{info(QStringLiteral("Current: ") + in.instanceId),
                                MenuItem::separator(), info(QStringLiteral("Running Banners:"))};
    for (const QString& row : in.runningRows)
        items.push_back(info(row));
    items.push_back(MenuItem::separator());
    items.push_back(command(QStringLiteral("New Banner..."), MenuAction::newBannerInstance));

    std::vector<MenuItem> quick;
    for (qsizetype i = 0; i < in.screens.size(); ++i) {
        const QString& name = in.screens[i].name;
        MenuItem item = carrying(QStringLiteral("New on ") + name, MenuAction::quickLaunchOnDisplay,
                                 name.toLower().replace(u' ', u'-'), false);
        item.choice.tag = int(i);
        quick.push_back(item);
    }
    quick.push_back(MenuItem::separator());
    quick.push_back(command(QStringLiteral("Restore Saved Session"), MenuAction::restoreSession));
    quick.push_back(
        command(QStringLiteral("Save Current Session"), MenuAction::saveCurrentSession));
    items.push_back(submenu(QStringLiteral("Quick Launch"), std::move(quick)));
    items.push_back(MenuItem::separator());

    if (in.autostartInstalled) {
        MenuItem installed = info(QStringLiteral("Auto-Start at Login (installed)"));
        installed.checked = true;
        items.push_back(installed);
        items.push_back(command(QStringLiteral("Remove Auto-Start"), MenuAction::removeAutostart));
    } else {
        items.push_back(
            command(QStringLiteral("Install Auto-Start at Login"), MenuAction::installAutostart));
    }
    return submenu(QStringLiteral("Banners"), std::move(items));
}

const MenuItem* findIn(const std::vector<MenuItem>& items, const QString& title) {
    for (const MenuItem& item : items) {
        if (item.title == title)
            return &item;
        if (const MenuItem* found = findIn(item.items, title))
            return found;
    }
    return nullptr;
}

} // namespace

const MenuItem* MenuItem::find(const QString& itemTitle) const {
    return findIn(items, itemTitle);
}

QString wholeNumber(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // + 0.0 turns a truncated -0.x into 0, not "-0".
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

double fontSizeForHeight(double height) {
    return std::clamp(std::round(height / 2), 10.0, 64.0);
}

MenuItem contextMenuModel(const ContextMenuInputs& in) {
    const BannerSettings& s = in.settings;
    std::vector<MenuItem> items{
        heightsMenu(s),
        command(QStringLiteral("Edit Text..."), MenuAction::editText),
        MenuItem::separator(),
        colorsMenu(QStringLiteral("Background Color"), backgroundColorPresets(), s.bgColorHex,
                   MenuAction::setBgColor, MenuAction::customBgColor),
        colorsMenu(QStringLiteral("Text Color"), textColorPresets(), s.textColorHex,
                   MenuAction::setTextColor, MenuAction::customTextColor),
        fontSizesMenu(s),
        casesMenu(QStringLiteral("Text Alignment"), allTextAligns, MenuAction::setTextAlign,
                  s.textAlign),
        opacitiesMenu(s),
        MenuItem::separator(),
        casesMenu(QStringLiteral("Position"), allBannerPositions, MenuAction::setPosition,
                  s.position),
        displaysMenu(in),
        command(QStringLiteral("Reserve Screen Space"), MenuAction::toggleReserveSpace,
                s.reserveSpace),
        MenuItem::separator(),
        metricsMenu(s),
        MenuItem::separator(),
        command(QStringLiteral("Add Image..."), MenuAction::addImage),
    };
    if (s.imagePath) // an empty path counts as set
        items.push_back(command(QStringLiteral("Remove Image"), MenuAction::removeImage));
    items.push_back(MenuItem::separator());
    items.push_back(bannersMenu(in));
    items.push_back(MenuItem::separator());
    items.push_back(command(QStringLiteral("Reset to Defaults"), MenuAction::resetDefaults));
    items.push_back(command(QStringLiteral("Quit This Banner"), MenuAction::quitApp));
    items.push_back(command(QStringLiteral("Quit All Banners"), MenuAction::quitAllBanners));
    return submenu(QStringLiteral("Banner Settings"), std::move(items));
}

MenuItem trayMenuModel() {
    MenuItem quit = command(QStringLiteral("Quit Vorlane"), MenuAction::quitApp);
    quit.shortcut = QStringLiteral("Ctrl+Q");
    return submenu({}, {command(QStringLiteral("Show/Hide Banner"), MenuAction::toggleBanner),
                        MenuItem::separator(), quit});
}
