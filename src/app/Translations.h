#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

// The program's own texts and Qt's (the dialogs' buttons, the colour
// dialog) in the first of the locale's languages that has them, for as long
// as this lives; English, the texts as written, where none has. The
// program's come built in; Qt's are read from its translations folder. A
// right-to-left language's translation turns the application's layout around.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    void install(const QLocale& locale, const QString& name, const QString& folder);

    // Each takes itself out of the application when it goes.
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};
