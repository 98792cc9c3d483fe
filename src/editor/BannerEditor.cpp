#include "editor/BannerEditor.h"

#include "platform/Dialogs.h"
#include "platform/Screens.h"
#include "settings/BannerSettings.h"
#include "settings/HexColor.h"

#include <QPointer>

BannerEditor::BannerEditor(BannerSettings& settings, Screens& screens, Dialogs& dialogs)
    : m_settings(settings)
    , m_screens(screens)
    , m_dialogs(dialogs) {}

bool BannerEditor::perform(const MenuChoice& c) {
    BannerSettings& s = m_settings;
    const auto done = [this](FollowUp followUp) {
        emit edited(followUp);
        return true;
    };
    switch (c.action) {
    case MenuAction::setBannerHeight:
        s.bannerHeight = c.tag;
        s.fontSize = fontSizeForHeight(c.tag);
        return done(FollowUp::replace);
    case MenuAction::setFontSize:
        s.fontSize = c.tag;
        return done(FollowUp::redraw);
    case MenuAction::setOpacity:
        s.opacity = c.tag / 100.0;
        return done(FollowUp::redraw);
    case MenuAction::setScreen: {
        // The index is kept even when that screen has gone since the menu
        // was built; the name only when the screen is there to name it.
        s.screenIndex = c.tag;
        const QList<ScreenInfo> screens = m_screens.screens();
        if (c.tag >= 0 && c.tag < screens.size())
            s.screenName = screens.at(c.tag).name;
        return done(FollowUp::replace);
    }
    case MenuAction::setBgColor:
    case MenuAction::setTextColor:
        if (!c.payload)
            return true;
        (c.action == MenuAction::setBgColor ? s.bgColorHex : s.textColorHex) = *c.payload;
        return done(FollowUp::redraw);
    case MenuAction::setPosition:
        if (const auto position = c.payload ? bannerPositionFromRaw(*c.payload) : std::nullopt) {
            s.position = *position;
            done(FollowUp::replace);
        }
        return true;
    case MenuAction::setTextAlign:
        if (const auto align = c.payload ? textAlignFromRaw(*c.payload) : std::nullopt) {
            s.textAlign = *align;
            done(FollowUp::redraw);
        }
        return true;
    case MenuAction::toggleReserveSpace:
        s.reserveSpace = !s.reserveSpace;
        return done(FollowUp::reserve);
    case MenuAction::toggleCPU:
        s.showCPU = !s.showCPU;
        return done(FollowUp::redraw);
    case MenuAction::toggleMemory:
        s.showMemory = !s.showMemory;
        return done(FollowUp::redraw);
    case MenuAction::metricsAllOn:
    case MenuAction::metricsAllOff:
        s.showCPU = s.showMemory = c.action == MenuAction::metricsAllOn;
        return done(FollowUp::redraw);
    case MenuAction::removeImage:
        s.imagePath.reset();
        return done(FollowUp::redraw);
    case MenuAction::editText:
        editText();
        return true;
    case MenuAction::addImage:
        chooseImage();
        return true;
    case MenuAction::customBgColor:
    case MenuAction::customTextColor:
        pickColor(c.action == MenuAction::customBgColor);
        return true;
    case MenuAction::resetDefaults:
        resetDefaults();
        return true;
    default:
        return false; // not an edit of this banner
    }
}

void BannerEditor::editText() {
    TextPrompt prompt;
    prompt.message = QStringLiteral("Edit Banner Text");
    prompt.informative = QStringLiteral("Enter the text to display:");
    prompt.acceptButton = QStringLiteral("OK");
    prompt.text = m_settings.text;
    prompt.fieldWidth = 300;
    prompt.fieldHeight = 24;
    const auto answer = m_dialogs.askText(prompt);
    if (!answer)
        return;
    m_settings.text = *answer; // as typed: not trimmed, empty allowed
    emit edited(FollowUp::redraw);
}

void BannerEditor::chooseImage() {
    const auto path = m_dialogs.chooseImageFile();
    if (!path)
        return;
    m_settings.imagePath = *path;
    emit edited(FollowUp::redraw);
}

void BannerEditor::pickColor(bool background) {
    const QColor initial = background ? m_settings.bgColor() : m_settings.textColor();
    QPointer<BannerEditor> self(this);
    m_dialogs.showColorPicker(initial, [self, background](const QColor& color, bool closed) {
        if (!self)
            return;
        BannerSettings& s = self->m_settings;
        (background ? s.bgColorHex : s.textColorHex) = hexString(color);
        emit self->edited(closed ? FollowUp::redraw : FollowUp::preview);
    });
}

void BannerEditor::resetDefaults() {
    // Everything but the screen's name (and the identifier): a banner on a
    // second screen stays there while that screen is connected.
    BannerSettings defaults;
    defaults.instanceId = m_settings.instanceId;
    defaults.screenName = m_settings.screenName;
    m_settings = defaults;
    emit edited(FollowUp::replace);
}
