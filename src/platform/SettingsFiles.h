#pragma once

#include "common/Result.h"

#include "platform/ConfigFolder.h"
#include "platform/PreferencesStore.h"
#include "platform/SystemDefaults.h"

#include <QSet>

// One file per key in the program's folder: the key, escaped where a file
// name cannot hold it, then ".json". A key too long for a file name gets a
// name from its hash instead, and the file then holds the key too; a hashed
// file that holds another key is left alone, and this key's file is named
// "...-2.json" (or the next free number). Each process writes only its own
// files, so no lock is taken; what a write does to the file is the
// folder's careful replacement. Where an administrator gives an entry's
// defaults (SystemDefaults), the entry reads as those with the person's file
// over them, and only what differs from them is written.
class SettingsFiles final : public PreferencesStore {
public:
    explicit SettingsFiles(QString folder = defaultFolder(),
                           SystemDefaults system = SystemDefaults());
    // $XDG_CONFIG_HOME/vorlane; empty when no home folder is known (the
    // program then does not start).
    static QString defaultFolder();

    FileContent read(const QString& key) const override;
    [[nodiscard]] Replaced write(const QString& key, const QByteArray& value,
                                 const std::optional<FileContent>& known) override;
    std::optional<QString> keepAside(const QString& key) override;
    // Watches the folder (a file renamed into place, created or removed) and
    // the file itself (rewritten in place). One key at a time.
    void watch(const QString& key, std::function<void()> changed) override;

    ConfigFolder& folder() { return m_folder; }
    QString filePath(const QString& key) const;
    // The file name for a key, and the key back from a name (nothing for a
    // hashed name, or one that is not a key's).
    static QString fileName(const QString& key);
    static std::optional<QString> keyFromFileName(const QString& name);

    // Copies the entries of the first store (one INI file for every
    // instance) into files of their own, once: an entry whose file exists is
    // left alone, and the old file is never changed. Marked done (a file
    // beside it) only once every entry is.
    Result carryOverFrom(const QString& oldIniFile);

private:
    // The name of the key's file in the folder: its own name, or for a hashed
    // name taken by another key's file, the first free alternative.
    QString nameInFolder(const QString& key) const;
    // The person's own entry, as the file holds it (less a hashed file's key).
    FileContent ownEntry(const QString& key) const;
    std::optional<QJsonObject> systemDocument(const QString& key) const;

    ConfigFolder m_folder;
    SystemDefaults m_system;
    mutable QSet<QString> m_saidTaken; // hashed names said to hold another key
};
