#pragma once

#include "menus/MenuModel.h"

#include <QColor>
#include <QObject>

#include <optional>

class Dialogs;
class Screens;
struct BannerSettings;

// The commands that edit this banner's settings, and the dialogs some of
// them open. Each says what must follow a change; the owner saves the
// settings and does it. A command that changed nothing (a cancelled dialog)
// says nothing.
class BannerEditor : public QObject {
    Q_OBJECT
public:
    enum class FollowUp {
        redraw,  // the view draws the settings anew
        replace, // the banner is placed anew, then drawn anew
        reserve, // the banner is placed anew (reserving its strip or not), then drawn anew
        preview, // a redraw while a dialog is open; saving may wait for its end
    };

    BannerEditor(BannerSettings& settings, Screens& screens, Dialogs& dialogs);

    // What must follow the edit; nothing when nothing changed (yet).
    std::optional<FollowUp> perform(const EditCommand& command);

signals:
    // A change made later: a colour picked while the colour dialog is open.
    void edited(BannerEditor::FollowUp followUp);

private:
    std::optional<FollowUp> editText();
    std::optional<FollowUp> chooseImage();
    // Opens the colour dialog for the background or the text; every colour
    // picked in it applies at once.
    void pickColor(edit::Part part);
    FollowUp resetDefaults();

    BannerSettings& m_settings;
    Screens& m_screens;
    Dialogs& m_dialogs;
};
