#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// What turns the layout around: a translation gives "RTL" for a language
// written from right to left, "LTR" for any other.
[[maybe_unused]] constexpr const char* layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

// Declared at file scope, as the resource's own function is.
static void loadBuiltIn() {
    Q_INIT_RESOURCE(vorlane_translations); // in a static library: asked for by name
}

Translations::Translations(const QLocale& locale) {
    loadBuiltIn();
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(locale, QStringLiteral("vorlane"), QStringLiteral(":/i18n"));
}

void Translations::install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator.get()))
        m_installed.push_back(std::move(translator));
}
