#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

// A modal question with a one-line text field that has the focus.
struct TextPrompt {
    QString message;
    QString informative;
    QString acceptButton; // empty: the desktop's own "OK"; beside it, its own "Cancel"
    QString text;
    QString placeholder;
    int fieldWidth = 200;
    int fieldHeight = 0; // 0: the style's own
};

// The program's dialogs. They come up in front, centred on the host area
// (the banner's screen), with the keyboard focus.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void setHostArea(const QRect& area) = 0;
    // Modal; each returns when the user has closed it.
    virtual void alert(const QString& message, const QString& informative) = 0;
    // The field's text when the accept button closed it; nothing otherwise.
    virtual std::optional<QString> askText(const TextPrompt& prompt) = 0;
    // One existing image file (PNG, JPEG, GIF, TIFF, BMP, ICO); nothing on cancel.
    virtual std::optional<QString> chooseImageFile() = 0;
    // The one colour dialog of the process, not modal: it shows `initial` and
    // reports every colour change to `picked`, and the colour it closes with
    // once more (`closed`), until it is opened again for another target; its
    // Cancel reports `initial` again. Returns at once.
    using ColorPicked = std::function<void(const QColor& color, bool closed)>;
    virtual void showColorPicker(const QColor& initial, ColorPicked picked) = 0;
};
