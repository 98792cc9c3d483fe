#include "platform/QtDialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

QtDialogs::~QtDialogs() {
    delete m_colorDialog;
}

void QtDialogs::present(QWidget& dialog) const {
    dialog.setWindowIcon(m_windowIcon);
    dialog.adjustSize();
    if (m_hostArea.isValid())
        dialog.move(m_hostArea.center() - dialog.rect().center());
    // Once shown (modal dialogs show inside their own event loop).
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
}

void QtDialogs::alert(const QString& message, const QString& informative) {
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Vorlane"));
    box.setText(message);
    box.setInformativeText(informative);
    box.setStandardButtons(QMessageBox::Ok);
    present(box);
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
    if (prompt.fieldHeight > 0)
        field->setFixedSize(prompt.fieldWidth, prompt.fieldHeight);
    else
        field->setMinimumWidth(prompt.fieldWidth);
    layout->addWidget(field);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* accept =
        prompt.acceptButton.isEmpty()
            ? buttons->addButton(QDialogButtonBox::Ok)
            : buttons->addButton(prompt.acceptButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    accept->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    // Typing goes straight into the field, replacing what it holds.
    field->selectAll();
    field->setFocus();
    present(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}

std::optional<QString> QtDialogs::chooseImageFile() {
    QFileDialog dialog(nullptr, tr("Select Banner Image"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(
        tr("Images (%1)").arg("*.png *.jpg *.jpeg *.gif *.tif *.tiff *.bmp *.ico"));
    present(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::showColorPicker(const QColor& initial, ColorPicked picked) {
    if (!m_colorDialog) {
        m_colorDialog = new QColorDialog;
        m_colorDialog->setWindowTitle(tr("Vorlane Colors"));
        QObject::connect(m_colorDialog, &QColorDialog::currentColorChanged, m_colorDialog,
                         [this](const QColor& color) {
                             if (m_colorPicked)
                                 m_colorPicked(color, false);
                         });
        // Cancel undoes what the dialog showed live.
        QObject::connect(m_colorDialog, &QDialog::finished, m_colorDialog, [this](int result) {
            if (m_colorPicked)
                m_colorPicked(result == QDialog::Accepted ? m_colorDialog->currentColor()
                                                          : m_colorBefore,
                              true);
        });
    }
    // Showing the current colour is no pick.
    m_colorPicked = nullptr;
    m_colorDialog->setCurrentColor(initial);
    m_colorBefore = initial;
    m_colorPicked = std::move(picked);
    m_colorDialog->show();
    present(*m_colorDialog);
}
