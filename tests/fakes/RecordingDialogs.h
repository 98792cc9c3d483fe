#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QRect>

// Answers from a script and records what it was asked.
class RecordingDialogs final : public Dialogs {
public:
    void setHostArea(const QRect& area) override { hostArea = area; }
    void alert(const QString& message, const QString& informative) override {
        alerts.append(message + QStringLiteral(" | ") + informative);
    }
    std::optional<QString> askText(const TextPrompt& prompt) override {
        prompts.append(prompt);
        return answer;
    }
    std::optional<QString> chooseImageFile() override { return imageFile; }
    void showColorPicker(const QColor& initial, ColorPicked cb) override {
        pickerColor = initial;
        picked = std::move(cb);
    }
    std::optional<QString> answer, imageFile; // nothing: the user cancelled
    QStringList alerts;
    QList<TextPrompt> prompts;
    QRect hostArea;
    QColor pickerColor;
    ColorPicked picked;
};
