#pragma once

#include "platform/ConfigFolder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The per-user key-value store that every instance of the program shares.
// Each instance writes only its own key; values are byte strings. People and
// scripts may change an entry at any moment, so a write says what it expects
// to replace.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;
    // What the entry under `key` holds now: absent, present, or refused (not
    // a file the program reads, and one it never writes over).
    virtual FileContent read(const QString& key) const = 0;
    // Replaces the entry with `value` and flushes it to disk, so that another
    // process that reads right afterwards sees it and a power cut cannot
    // empty it. With `known` (what the caller last read or wrote), an entry
    // that holds anything else is left as it is and handed back instead.
    [[nodiscard]] virtual Replaced write(const QString& key, const QByteArray& value,
                                         const std::optional<FileContent>& known) = 0;
    // Keeps a copy of an entry that could not be read, before anything
    // replaces it; where the copy went.
    virtual std::optional<QString> keepAside(const QString& key) = 0;
    // Calls `changed` soon after the entry under `key` may have changed,
    // whoever changed it; the caller reads it and compares.
    virtual void watch(const QString& key, std::function<void()> changed) = 0;
};
