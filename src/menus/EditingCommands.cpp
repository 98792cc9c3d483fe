// The commands that edit this banner. Each one changes the settings, saves
// them at once, then redraws the banner (refreshView) or places it anew
// (repositionPanel). A command with nothing to do saves and redraws nothing.
#include "app/AppDelegate.h"
#include "banner/BannerPanel.h"
#include "menus/MenuModel.h"
#include "platform/Dialogs.h"
#include "settings/HexColor.h"

#include <QPointer>

void AppDelegate::placeDialogs() {
    const auto place = placement();
    m_platform.dialogs.setHostArea(place ? place->screen().geometry : QRect());
}

void AppDelegate::setBannerHeight(int tag) {
    m_settings->bannerHeight = tag;
    m_settings->fontSize = fontSizeForHeight(tag);
    saveSettings();
    repositionPanel();
}

void AppDelegate::setFontSize(int tag) {
    m_settings->fontSize = tag;
    saveSettings();
    refreshView();
}

void AppDelegate::setOpacity(int tag) {
    m_settings->opacity = tag / 100.0;
    saveSettings();
    refreshView();
}

void AppDelegate::setScreen(int tag) {
    // The index is kept even when that screen has gone since the menu was
    // built; the name only when the screen is there to name it.
    m_settings->screenIndex = tag;
    const QList<ScreenInfo> screens = m_platform.screens.screens();
    if (tag >= 0 && tag < screens.size())
        m_settings->screenName = screens.at(tag).name;
    saveSettings();
    repositionPanel();
}

void AppDelegate::setBgColor(const std::optional<QString>& payload) {
    if (!payload)
        return;
    m_settings->bgColorHex = *payload;
    saveSettings();
    refreshView();
}

void AppDelegate::setTextColor(const std::optional<QString>& payload) {
    if (!payload)
        return;
    m_settings->textColorHex = *payload;
    saveSettings();
    refreshView();
}

void AppDelegate::setPosition(const std::optional<QString>& payload) {
    const auto position = payload ? bannerPositionFromRaw(*payload) : std::nullopt;
    if (!position)
        return;
    m_settings->position = *position;
    saveSettings();
    repositionPanel();
}

void AppDelegate::setTextAlign(const std::optional<QString>& payload) {
    const auto align = payload ? textAlignFromRaw(*payload) : std::nullopt;
    if (!align)
        return;
    m_settings->textAlign = *align;
    saveSettings();
    refreshView();
}

void AppDelegate::editText() {
    TextPrompt prompt;
    prompt.message = QStringLiteral("Edit Banner Text");
    prompt.informative = QStringLiteral("Enter the text to display:");
    prompt.acceptButton = QStringLiteral("OK");
    prompt.text = m_settings->text;
    prompt.fieldWidth = 300;
    prompt.fieldHeight = 24;
    const auto answer = m_platform.dialogs.askText(prompt);
    if (!answer)
        return;
    m_settings->text = *answer; // as typed: not trimmed, empty allowed
    saveSettings();
    refreshView();
}

void AppDelegate::customBgColor() {
    QPointer<AppDelegate> self(this);
    m_platform.dialogs.showColorPicker(m_settings->bgColor(), [self](const QColor& color) {
        if (self)
            self->bgColorPicked(color);
    });
}

void AppDelegate::customTextColor() {
    QPointer<AppDelegate> self(this);
    m_platform.dialogs.showColorPicker(m_settings->textColor(), [self](const QColor& color) {
        if (self)
            self->textColorPicked(color);
    });
}

void AppDelegate::bgColorPicked(const QColor& color) {
    m_settings->bgColorHex = hexString(color);
    saveSettings();
    refreshView();
}

void AppDelegate::textColorPicked(const QColor& color) {
    m_settings->textColorHex = hexString(color);
    saveSettings();
    refreshView();
}

void AppDelegate::toggleReserveSpace() {
    m_settings->reserveSpace = !m_settings->reserveSpace;
    saveSettings();
    updateStrut(placement());
    // Turning it off moves no window back.
    if (m_settings->reserveSpace)
        nudgeOverlappingWindows();
    refreshView();
}

void AppDelegate::toggleCPU() {
    m_settings->showCPU = !m_settings->showCPU;
    saveSettings();
    refreshView();
}

void AppDelegate::toggleMemory() {
    m_settings->showMemory = !m_settings->showMemory;
    saveSettings();
    refreshView();
}

void AppDelegate::metricsAllOn() {
    m_settings->showCPU = m_settings->showMemory = true;
    saveSettings();
    refreshView();
}

void AppDelegate::metricsAllOff() {
    m_settings->showCPU = m_settings->showMemory = false;
    saveSettings();
    refreshView();
}

void AppDelegate::addImageAction() {
    const auto path = m_platform.dialogs.chooseImageFile();
    if (!path)
        return;
    m_settings->imagePath = *path;
    saveSettings();
    refreshView();
}

void AppDelegate::removeImageAction() {
    m_settings->imagePath.reset();
    saveSettings();
    refreshView();
}

void AppDelegate::resetDefaults() {
    // Everything but the screen's name (and the identifier): a banner on a
    // second screen stays there while that screen is connected.
    BannerSettings defaults;
    defaults.instanceId = m_settings->instanceId;
    defaults.screenName = m_settings->screenName;
    *m_settings = defaults;
    saveSettings();
    repositionPanel();
}
