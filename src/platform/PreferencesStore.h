#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Whether a write waits until the bytes are on the disk. A write that does
// not wait is still whole or not there at all; only a power cut right after
// it may undo it.
enum class Flush { toDisk, later };

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
    virtual std::optional<QString> setData(const QString& key, const QByteArray& value,
                                           Flush flush) = 0;
    // Keeps a copy of an entry that could not be read, before anything
    // replaces it; where the copy went.
    virtual std::optional<QString> keepAside(const QString&) { return std::nullopt; }
    // Calls `changed` soon after the entry under `key` may have changed,
    // whoever changed it; the caller reads it and compares.
    virtual void watch(const QString& key, std::function<void()> changed) = 0;
};
