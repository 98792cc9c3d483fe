#pragma once

#include "platform/Dialogs.h"

#include <QPointer>

class QColorDialog;
class QWidget;

class QtDialogs final : public Dialogs {
public:
    ~QtDialogs() override;

    void setHostArea(const QRect& area) override { m_hostArea = area; }
    void alert(const QString& message, const QString& informative) override;
    std::optional<QString> askText(const TextPrompt& prompt) override;
    std::optional<QString> chooseImageFile() override;
    void showColorPicker(const QColor& initial, std::function<void(const QColor&)> picked) override;

private:
    // Centres the dialog on the host area, then raises and activates it: the
    // banner never holds the focus, so the dialog has to ask for it.
    void present(QWidget& dialog) const;

    QRect m_hostArea;
    QPointer<QColorDialog> m_colorDialog;
    std::function<void(const QColor&)> m_colorPicked;
};
