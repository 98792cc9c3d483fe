#pragma once

// Settings entries kept in memory, every read and write journalled; writes
// can be made to fail, or to find an edit from outside.
#include "fakes/Journal.h"
#include "platform/PreferencesStore.h"

#include <QMap>
#include <QTimer>

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
