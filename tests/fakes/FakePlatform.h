#pragma once

// Recording fakes of every desktop service. They share one journal, so that
// tests can check the order in which the program used them.
#include "app/BannerApp.h"
#include "fakes/FakeProcessTable.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/PreferencesStore.h"
#include "platform/Processes.h"
#include "platform/Screens.h"
#include "platform/SystemStatsSource.h"
#include "platform/WindowSystem.h"
#include "support/MenuRows.h"
#include "support/ScreenLayout.h"

#include <QCoreApplication>
#include <QMap>
#include <QMenu>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

// What the fakes were asked, in order (each new FakePlatform starts it anew).
inline QStringList journal;

class FakeScreens final : public Screens {
public:
    QList<ScreenInfo> screens() const override { return layout; }
    void setLayout(const QString& text) { // as a monitor change would
        layout = screenLayout(text);
        emit changed();
    }
    QList<ScreenInfo> layout = screenLayout(QStringLiteral("1920x1080+0+0"));
};

class RecordingPreferencesStore final : public PreferencesStore {
public:
    FileContent read(const QString& key) const override {
        journal << QStringLiteral("read ") + key;
        const auto it = entries.constFind(key);
        return it == entries.cend() ? FileContent::absent() : FileContent::present(*it);
    }
    Replaced write(const QString& key, const QByteArray& value,
                   const std::optional<FileContent>& known = std::nullopt) override {
        journal << QStringLiteral("write ") + key;
        if (failWrites)
            return {Replaced::Outcome::failed, {}, QStringLiteral("No space left on device")};
        if (known && read(key) != *known)
            return {Replaced::Outcome::changedMeanwhile, read(key), {}};
        entries.insert(key, value);
        ++writes;
        if (displacedBy) // a script's edit in the instant before the swap
            return {Replaced::Outcome::displaced,
                    FileContent::present(*std::exchange(displacedBy, {})),
                    {}};
        if (changed) // a real store hears its own writes too
            QTimer::singleShot(0, changed);
        return {};
    }
    std::optional<QString> keepAside(const QString&) override { return QStringLiteral("aside"); }
    void watch(const QString&, std::function<void()> onChange) override { changed = onChange; }
    void edit(const QString& key, const QByteArray& value) { // by another program
        entries.insert(key, value);
        if (changed)
            changed();
    }
    QMap<QString, QByteArray> entries;
    int writes = 0;
    bool failWrites = false;
    std::optional<QByteArray> displacedBy;
    std::function<void()> changed;
};

// Hands out the readings it was given, one per query (nothing: a failed read), repeating the last.
class ScriptedStatsSource final : public SystemStatsSource {
public:
    std::optional<CpuTicks> readCpuTicks() override {
        journal << QStringLiteral("cpu");
        return next(cpu);
    }
    std::optional<MemoryStats> readMemory() override {
        journal << QStringLiteral("memory");
        return next(memory);
    }
    QList<std::optional<CpuTicks>> cpu;
    QList<std::optional<MemoryStats>> memory;

private:
    template <typename T> static std::optional<T> next(QList<std::optional<T>>& list) {
        return list.size() > 1 ? list.takeFirst() : list.value(0);
    }
};

// Applies move/resize requests as an obliging window manager would, unless stubborn.
class RecordingWindowSystem final : public WindowSystem {
public:
    void showBannerWindow(QWidget& window) override {
        journal
            << QStringLiteral("show banner window (visible before: %1)").arg(window.isVisible());
        window.show();
    }
    QSize rootSize() const override { return root; }
    QList<Strut> foreignStruts() const override { return {}; }
    QList<BannerPlace> earlierBanners() const override { return {}; }
    void publishBannerPlace(QWidget&, const BannerPlace&) override {}
    void setBannerStrut(QWidget&, const std::optional<Strut>& s) override { strut = s; }
    QList<ClientWindow> nudgeableWindows() override { return ++passes, windows; } // a pass
    void moveResizeWindows(const QList<WindowRequest>& requests) override {
        for (const WindowRequest& r : requests) {
            sent.append(r);
            for (ClientWindow& w : windows)
                if (w.id == r.window.id && !stubborn)
                    w.frame = QRect(r.change.position.value_or(w.frame.topLeft()), r.change.size);
        }
    }
    QSize root{1920, 1080};
    QList<ClientWindow> windows;
    std::optional<Strut> strut; // the last written
    bool stubborn = false;
    int passes = 0;
    QList<WindowRequest> sent;
};

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

struct FakePlatform {
    RecordingPreferencesStore preferences;
    ScriptedStatsSource stats;
    FakeScreens screens;
    RecordingWindowSystem windows;
    FakeProcessTable table;
    std::unique_ptr<Processes> processes = std::make_unique<Processes>(table);
    RecordingDialogs dialogs;

    FakePlatform() { journal.clear(); }
    Platform services() { return {preferences, stats, screens, windows, *processes, dialogs}; }
    // This program as a file of another path, for the services made after.
    void runFrom(const QString& executable) {
        table.running[table.ownPid()].facts.fileName = executable;
        processes = std::make_unique<Processes>(table);
    }
};

// Chooses a context-menu row as a click does and lets its command run; false when there is none.
inline bool choose(BannerApp& app, const QString& path) {
    const std::unique_ptr<QMenu> menu = app.buildContextMenu();
    QAction* row = menuRow(*menu, path).action;
    if (!row)
        return false;
    row->trigger();
    QCoreApplication::processEvents(); // the choice runs once the menu has closed
    return true;
}
