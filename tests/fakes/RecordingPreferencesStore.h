#pragma once

#include "platform/PreferencesStore.h"

#include <QMap>
#include <QStringList>

// An in-memory store that records what it was asked, in order, into a
// journal that other fakes may share.
class RecordingPreferencesStore final : public PreferencesStore {
public:
    explicit RecordingPreferencesStore(QStringList* journal = nullptr)
        : m_journal(journal) {}

    std::optional<QByteArray> data(const QString& key) const override {
        record(QStringLiteral("read ") + key);
        const auto it = entries.constFind(key);
        return it == entries.cend() ? std::nullopt : std::optional<QByteArray>(*it);
    }

    void setData(const QString& key, const QByteArray& value) override {
        record(QStringLiteral("write ") + key);
        entries.insert(key, value);
        ++writes;
    }

    QMap<QString, QByteArray> entries;
    int writes = 0;

private:
    void record(const QString& line) const {
        if (m_journal)
            m_journal->append(line);
    }

    QStringList* m_journal;
};
