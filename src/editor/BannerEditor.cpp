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

std::optional<BannerEditor::FollowUp> BannerEditor::perform(const EditCommand& command) {
    BannerSettings& s = m_settings;
    using Next = std::optional<FollowUp>;
    return std::visit(Overloaded{
                          [&](const edit::SetBannerHeight& c) -> Next {
                              s.bannerHeight = c.height;
                              s.fontSize = fontSizeForHeight(c.height);
                              return FollowUp::replace;
                          },
                          [&](const edit::SetFontSize& c) -> Next {
                              s.fontSize = c.points;
                              return FollowUp::redraw;
                          },
                          [&](const edit::SetOpacity& c) -> Next {
                              s.opacity = c.percent / 100.0;
                              return FollowUp::redraw;
                          },
                          [&](const edit::SetScreen& c) -> Next {
                              // The name only when the screen is there to name it.
                              s.screenIndex = c.index;
                              const QList<ScreenInfo> screens = m_screens.screens();
                              if (c.index >= 0 && c.index < screens.size())
                                  s.screenName = screens.at(c.index).name;
                              return FollowUp::replace;
                          },
                          [&](const edit::SetColor& c) -> Next {
                              (c.part == edit::Part::background ? s.bgColorHex : s.textColorHex) =
                                  c.hex;
                              return FollowUp::redraw;
                          },
                          [&](const edit::PickColor& c) -> Next {
                              pickColor(c.part);
                              return std::nullopt;
                          },
                          [&](const edit::SetTextAlign& c) -> Next {
                              s.textAlign = c.align;
                              return FollowUp::redraw;
                          },
                          [&](const edit::SetPosition& c) -> Next {
                              s.position = c.position;
                              return FollowUp::replace;
                          },
                          [&](const edit::ToggleReserveSpace&) -> Next {
                              s.reserveSpace = !s.reserveSpace;
                              return FollowUp::reserve;
                          },
                          [&](const edit::ToggleCpu&) -> Next {
                              s.showCPU = !s.showCPU;
                              return FollowUp::redraw;
                          },
                          [&](const edit::ToggleMemory&) -> Next {
                              s.showMemory = !s.showMemory;
                              return FollowUp::redraw;
                          },
                          [&](const edit::ShowReadouts& c) -> Next {
                              s.showCPU = s.showMemory = c.shown;
                              return FollowUp::redraw;
                          },
                          [&](const edit::EditText&) { return editText(); },
                          [&](const edit::AddImage&) { return chooseImage(); },
                          [&](const edit::RemoveImage&) -> Next {
                              s.imagePath.reset();
                              return FollowUp::redraw;
                          },
                          [&](const edit::ResetDefaults&) -> Next { return resetDefaults(); },
                      },
                      command);
}

std::optional<BannerEditor::FollowUp> BannerEditor::editText() {
    TextPrompt prompt;
    prompt.message = tr("Edit Banner Text");
    prompt.informative = tr("Enter the text to display:");
    prompt.text = m_settings.text;
    prompt.fieldWidth = 300;
    prompt.fieldHeight = 24;
    const auto answer = m_dialogs.askText(prompt);
    if (!answer)
        return std::nullopt;
    m_settings.text = *answer; // as typed: not trimmed, empty allowed
    return FollowUp::redraw;
}

std::optional<BannerEditor::FollowUp> BannerEditor::chooseImage() {
    const auto path = m_dialogs.chooseImageFile();
    if (!path)
        return std::nullopt;
    m_settings.imagePath = *path;
    return FollowUp::redraw;
}

void BannerEditor::pickColor(edit::Part part) {
    const bool background = part == edit::Part::background;
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

BannerEditor::FollowUp BannerEditor::resetDefaults() {
    // Everything but the screen's name (and the identifier): a banner on a
    // second screen stays there while that screen is connected.
    BannerSettings defaults;
    defaults.instanceId = m_settings.instanceId;
    defaults.screenName = m_settings.screenName;
    m_settings = defaults;
    return FollowUp::replace;
}
