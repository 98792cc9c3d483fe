#pragma once

#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPointer>

class QColorDialog;
class QWidget;

class QtDialogs final : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    explicit QtDialogs(const QIcon& windowIcon)
        : m_windowIcon(windowIcon) {}
    ~QtDialogs() override;

    void setHostArea(const QRect& area) override { m_hostArea = area; }
    void alert(const QString& message, const QString& informative) override;
    std::optional<QString> askText(const TextPrompt& prompt) override;
    std::optional<QString> chooseImageFile() override;
    void showColorPicker(const QColor& initial, ColorPicked picked) override;

private:
    // Gives the dialog the program's icon, centres it on the host area, then
    // raises and activates it: the banner never holds the focus, so the
    // dialog has to ask for it.
    void present(QWidget& dialog) const;

    QIcon m_windowIcon;
    QRect m_hostArea;
    QPointer<QColorDialog> m_colorDialog;
    ColorPicked m_colorPicked;
    QColor m_colorBefore; // what Cancel gives back
};
