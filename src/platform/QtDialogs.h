#pragma once

#include "platform/Dialogs.h"

class QtDialogs final : public Dialogs {
public:
    void alert(const QString& message, const QString& informative) override;
    std::optional<QString> askText(const TextPrompt& prompt) override;
};
