#pragma once

// What choosing a menu row does: one type per command, carrying what it
// needs. Both handlers (BannerEditor::perform, BannerApp::perform) visit
// every type they may be handed, so a command nobody handles does not compile.
#include "settings/SettingsEnums.h"

#include <QString>

#include <variant>

// The commands that edit this banner's settings.
namespace edit {

enum class Part { background, text };

struct SetBannerHeight {
    int height;
};
struct SetFontSize {
    int points;
};
struct SetOpacity {
    int percent;
};
// The index is kept even when that screen has gone since the menu was built.
struct SetScreen {
    int index;
};
struct SetColor {
    Part part;
    QString hex;
};
struct PickColor { // in the colour dialog
    Part part;
};
struct SetTextAlign {
    TextAlign align;
};
struct SetPosition {
    BannerPosition position;
};
struct ToggleReserveSpace {};
struct ToggleCpu {};
struct ToggleMemory {};
struct ShowReadouts { // both at once
    bool shown;
};
struct EditText {};
struct AddImage {};
struct RemoveImage {};
struct ResetDefaults {};

} // namespace edit

using EditCommand =
    std::variant<edit::SetBannerHeight, edit::SetFontSize, edit::SetOpacity, edit::SetScreen,
                 edit::SetColor, edit::PickColor, edit::SetTextAlign, edit::SetPosition,
                 edit::ToggleReserveSpace, edit::ToggleCpu, edit::ToggleMemory, edit::ShowReadouts,
                 edit::EditText, edit::AddImage, edit::RemoveImage, edit::ResetDefaults>;

// The commands beyond this banner's settings.
namespace fleet {

struct NewBanner {};
struct QuickLaunch { // a banner on that screen, named after it
    int screenIndex;
    QString screenName;
};
struct RestoreSession {};
struct SaveSession {};
struct InstallAutostart {};
struct RemoveAutostart {};
struct QuitAllBanners {};

} // namespace fleet

struct QuitBanner {};
struct ToggleBanner {}; // shown or hidden

using Command =
    std::variant<EditCommand, fleet::NewBanner, fleet::QuickLaunch, fleet::RestoreSession,
                 fleet::SaveSession, fleet::InstallAutostart, fleet::RemoveAutostart,
                 fleet::QuitAllBanners, QuitBanner, ToggleBanner>;

// One handler per type of a variant, as a single callable for std::visit.
template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
