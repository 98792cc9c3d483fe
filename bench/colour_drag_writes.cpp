// How often a banner writes its settings file while a colour is dragged in
// its colour dialog for five seconds: the dialog's colour changes every
// 16 ms, as a pointer dragging across it changes it, then the dialog is
// closed with OK. Counts the writes the banner asks of its store.
#include "app/BannerApp.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

class CountingStore final : public PreferencesStore {
public:
    explicit CountingStore(PreferencesStore& store)
        : m_store(store) {}
    FileContent read(const QString& key) const override { return m_store.read(key); }
    Replaced write(const QString& key, const QByteArray& value,
                   const std::optional<FileContent>& known) override {
        ++writes;
        return m_store.write(key, value, known);
    }
    std::optional<QString> keepAside(const QString& key) override { return m_store.keepAside(key); }
    void watch(const QString& key, std::function<void()> changed) override {
        m_store.watch(key, std::move(changed));
    }
    int writes = 0;

private:
    PreferencesStore& m_store;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopPlatform desktop{QIcon()};
    const Platform real = desktop.services();
    CountingStore store(real.preferences);
    BannerApp banner(QStringLiteral("colour-drag"),
                     {store, real.stats, real.screens, real.windows, real.processes, real.dialogs});
    banner.start();
    banner.perform(edit::PickColor{edit::Part::background});
    QElapsedTimer drag;
    QTimer::singleShot(500, [&] {
        auto* dialog = app.findChild<QColorDialog*>();
        for (QWidget* w : QApplication::topLevelWidgets())
            dialog = dialog ? dialog : qobject_cast<QColorDialog*>(w);
        if (!dialog) {
            std::printf("no colour dialog\n");
            return app.exit(1);
        }
        const int before = store.writes;
        drag.start();
        auto* step = new QTimer(&app);
        QObject::connect(step, &QTimer::timeout, [&, dialog, step, before] {
            if (drag.elapsed() < 5000) {
                dialog->setCurrentColor(QColor::fromHsv(int(drag.elapsed() / 16) % 360, 200, 200));
                return;
            }
            step->stop();
            dialog->accept();
            std::printf("5 s colour drag (%lld colours): %d writes, each flushed to disk\n",
                        drag.elapsed() / 16, store.writes - before);
            app.quit();
        });
        step->start(16);
    });
    const int status = app.exec();
    banner.stop();
    return status;
}
