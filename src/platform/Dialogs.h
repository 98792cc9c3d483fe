#pragma once

#include <QString>

#include <optional>

// A modal question with a one-line text field that has the focus.
struct TextPrompt {
    QString message;
    QString informative;
    QString acceptButton;
    QString cancelButton = QStringLiteral("Cancel");
    QString text;
    QString placeholder;
    int fieldWidth = 200;
};

// Modal dialogs. Each returns when the user has closed it.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void alert(const QString& message, const QString& informative) = 0;
    // The field's text when the accept button closed it; nothing otherwise.
    virtual std::optional<QString> askText(const TextPrompt& prompt) = 0;
};
