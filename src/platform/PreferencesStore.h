#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The per-user key-value store that every instance of the program shares.
// Each instance writes only its own key; values are byte strings.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;
    // The byte-string value under `key`; nothing when there is no entry or
    // the entry is not a byte string.
    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    // Replaces the value and writes it through, so that another process
    // that reads right afterwards sees it.
    virtual void setData(const QString& key, const QByteArray& value) = 0;
};
