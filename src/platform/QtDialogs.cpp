#include "platform/QtDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

void QtDialogs::alert(const QString& message, const QString& informative) {
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Vorlane"));
    box.setText(message);
    box.setInformativeText(informative);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<QString> QtDialogs::askText(const TextPrompt& prompt) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Vorlane"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* message = new QLabel(prompt.message, &dialog);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    layout->addWidget(message);
    layout->addWidget(new QLabel(prompt.informative, &dialog));

    auto* field = new QLineEdit(prompt.text, &dialog);
    field->setPlaceholderText(prompt.placeholder);
    field->setMinimumWidth(prompt.fieldWidth);
    layout->addWidget(field);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* accept = buttons->addButton(prompt.acceptButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(prompt.cancelButton, QDialogButtonBox::RejectRole);
    accept->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    // Typing goes straight into the field.
    field->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}
