#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

// Answers prompts from a script and records every dialog it was asked for.
class RecordingDialogs final : public Dialogs {
public:
    void alert(const QString& message, const QString& informative) override {
        alerts.append(message + QStringLiteral(" | ") + informative);
    }

    std::optional<QString> askText(const TextPrompt& prompt) override {
        prompts.append(prompt);
        return answer;
    }

    std::optional<QString> answer; // nothing: the user cancelled
    QStringList alerts;
    QList<TextPrompt> prompts;
};
