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
    // that reads right afterwards sees it. On failure the stored value stays
    // as it was and the reason (with the file) is returned.
    virtual std::optional<QString> setData(const QString& key, const QByteArray& value) = 0;
    // Keeps a copy of an entry that could not be read, before anything
    // replaces it; where the copy went.
    virtual std::optional<QString> keepAside(const QString&) { return std::nullopt; }
};
