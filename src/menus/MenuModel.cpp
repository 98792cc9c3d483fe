#include "menus/MenuModel.h"

#include "settings/BannerSettings.h"
#include "settings/ColorPresets.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// The context of every title: rows read in the person's language, and a
// stored value is never a title.
struct Menu {
    Q_DECLARE_TR_FUNCTIONS(Menu)
};

using Kind = MenuItem::Kind;

MenuItem command(const QString& title, Command command, bool checked = false) {
    MenuItem item;
    item.title = title;
    item.command = std::move(command);
    item.checked = checked;
    return item;
}

MenuItem editing(const QString& title, EditCommand edit, bool checked = false) {
    return command(title, std::move(edit), checked);
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
        const QString title =
            current
                ? Menu::tr("%1 pt (font: %2)").arg(QString::number(height), wholeNumber(s.fontSize))
                : Menu::tr("%1 pt").arg(height);
        items.push_back(editing(title, edit::SetBannerHeight{height}, current));
    }
    return submenu(Menu::tr("Banner Size: %1 pt").arg(wholeNumber(s.bannerHeight)),
                   std::move(items));
}

// Preset rows are marked by exact string equality: a colour picked in the
// colour dialog is stored in upper case and so marks no lower-case preset.
MenuItem colorsMenu(const QString& title, std::span<const ColorPreset> presets,
                    const QString& current, edit::Part part) {
    std::vector<MenuItem> items;
    for (const ColorPreset& preset : presets)
        items.push_back(editing(Menu::tr(preset.name), edit::SetColor{part, preset.hex},
                                preset.hex == current));
    items.push_back(MenuItem::separator());
    items.push_back(editing(Menu::tr("Custom..."), edit::PickColor{part}));
    return submenu(title, std::move(items));
}

MenuItem fontSizesMenu(const BannerSettings& s) {
    std::vector<MenuItem> items;
    for (int size : fontSizes)
        items.push_back(
            editing(Menu::tr("%1 pt").arg(size), edit::SetFontSize{size}, size == s.fontSize));
    return submenu(Menu::tr("Font Size"), std::move(items));
}

// One row per case of a settings enumeration, `Set` carrying it.
template <typename Set, typename Enum, std::size_t N>
MenuItem casesMenu(const QString& title, const std::array<Enum, N>& cases, Enum current) {
    std::vector<MenuItem> items;
    for (Enum value : cases)
        items.push_back(editing(displayName(value), Set{value}, value == current));
    return submenu(title, std::move(items));
}

MenuItem opacitiesMenu(const BannerSettings& s) {
    std::vector<MenuItem> items;
    for (int percent : opacityPercents)
        items.push_back(editing(Menu::tr("%1%").arg(percent), edit::SetOpacity{percent},
                                std::abs(s.opacity - percent / 100.0) < 0.01));
    return submenu(Menu::tr("Opacity"), std::move(items));
}

MenuItem displaysMenu(const ContextMenuInputs& in) {
    std::vector<MenuItem> items;
    for (qsizetype i = 0; i < in.screens.size(); ++i)
        items.push_back(
            editing(Menu::tr("Display %1: %2").arg(QString::number(i), in.screens[i].name),
                    edit::SetScreen{int(i)}, i == in.settings.screenIndex));
    return submenu(Menu::tr("Display"), std::move(items));
}

MenuItem metricsMenu(const BannerSettings& s) {
    return submenu(Menu::tr("Metrics"),
                   {editing(Menu::tr("Show CPU"), edit::ToggleCpu{}, s.showCPU),
                    editing(Menu::tr("Show Memory"), edit::ToggleMemory{}, s.showMemory),
                    MenuItem::separator(), editing(Menu::tr("All On"), edit::ShowReadouts{true}),
                    editing(Menu::tr("All Off"), edit::ShowReadouts{false})});
}

MenuItem bannersMenu(const ContextMenuInputs& in) {
    std::vector<MenuItem> items{info(Menu::tr("Current: %1").arg(in.instanceId)),
                                MenuItem::separator(), info(Menu::tr("Running Banners:"))};
    for (const QString& row : in.runningRows)
        items.push_back(info(row));
    items.push_back(MenuItem::separator());
    items.push_back(command(Menu::tr("New Banner..."), fleet::NewBanner{}));

    std::vector<MenuItem> quick;
    for (qsizetype i = 0; i < in.screens.size(); ++i) {
        const QString& name = in.screens[i].name;
        quick.push_back(
            command(Menu::tr("New on %1").arg(name),
                    fleet::QuickLaunch{int(i), QString(name).toLower().replace(u' ', u'-')}));
    }
    quick.push_back(MenuItem::separator());
    quick.push_back(command(Menu::tr("Restore Saved Session"), fleet::RestoreSession{}));
    quick.push_back(command(Menu::tr("Save Current Session"), fleet::SaveSession{}));
    items.push_back(submenu(Menu::tr("Quick Launch"), std::move(quick)));
    items.push_back(MenuItem::separator());

    if (in.autostartInstalled) {
        MenuItem installed = info(Menu::tr("Auto-Start at Login (installed)"));
        installed.checked = true;
        items.push_back(installed);
        items.push_back(command(Menu::tr("Remove Auto-Start"), fleet::RemoveAutostart{}));
    } else {
        items.push_back(
            command(Menu::tr("Install Auto-Start at Login"), fleet::InstallAutostart{}));
    }
    return submenu(Menu::tr("Banners"), std::move(items));
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
        editing(Menu::tr("Edit Text..."), edit::EditText{}),
        MenuItem::separator(),
        colorsMenu(Menu::tr("Background Color"), backgroundColorPresets(), s.bgColorHex,
                   edit::Part::background),
        colorsMenu(Menu::tr("Text Color"), textColorPresets(), s.textColorHex, edit::Part::text),
        fontSizesMenu(s),
        casesMenu<edit::SetTextAlign>(Menu::tr("Text Alignment"), allTextAligns, s.textAlign),
        opacitiesMenu(s),
        MenuItem::separator(),
        casesMenu<edit::SetPosition>(Menu::tr("Position"), allBannerPositions, s.position),
        displaysMenu(in),
        editing(Menu::tr("Reserve Screen Space"), edit::ToggleReserveSpace{}, s.reserveSpace),
        MenuItem::separator(),
        metricsMenu(s),
        MenuItem::separator(),
        editing(Menu::tr("Add Image..."), edit::AddImage{}),
    };
    if (s.imagePath) // an empty path counts as set
        items.push_back(editing(Menu::tr("Remove Image"), edit::RemoveImage{}));
    items.push_back(MenuItem::separator());
    items.push_back(bannersMenu(in));
    items.push_back(MenuItem::separator());
    items.push_back(editing(Menu::tr("Reset to Defaults"), edit::ResetDefaults{}));
    items.push_back(command(Menu::tr("Quit This Banner"), QuitBanner{}));
    items.push_back(command(Menu::tr("Quit All Banners"), fleet::QuitAllBanners{}));
    return submenu(Menu::tr("Banner Settings"), std::move(items));
}

MenuItem trayMenuModel() {
    MenuItem quit = command(Menu::tr("Quit Vorlane"), QuitBanner{});
    quit.shortcut = QStringLiteral("Ctrl+Q");
    return submenu(
        {}, {command(Menu::tr("Show/Hide Banner"), ToggleBanner{}), MenuItem::separator(), quit});
}
