#pragma once

#include "menus/MenuModel.h"

#include <QColor>
#include <QObject>

class Dialogs;
class Screens;
struct BannerSettings;

// The commands that edit this banner's settings: the menu's choices and the
// dialogs some of them open. Each command that changed something says what
// must follow through `edited`; the owner saves the settings and does it.
// A command with nothing to do (a cancelled dialog, an unusable payload)
// says nothing.
class BannerEditor : public QObject {
    Q_OBJECT
public:
    enum class FollowUp {
        redraw,  // the view draws the settings anew
        replace, // the banner is placed anew, then drawn anew
        reserve, // the strut is written anew, then the banner drawn anew
        preview, // a redraw while a dialog is open; saving may wait for its end
    };

    BannerEditor(BannerSettings& settings, Screens& screens, Dialogs& dialogs);

    // Runs the choice when it is an editing command; false when it is not.
    bool perform(const MenuChoice& choice);

signals:
    // A change, made now or later (a colour picked while its dialog is open).
    void edited(BannerEditor::FollowUp followUp);

private:
    void editText();
    void chooseImage();
    // Opens the colour dialog for the background or the text; every colour
    // picked in it applies at once.
    void pickColor(bool background);
    void resetDefaults();

    BannerSettings& m_settings;
    Screens& m_screens;
    Dialogs& m_dialogs;
};
