#pragma once

#include "platform/PreferencesStore.h"

#include <memory>

class QFileSystemWatcher;

// One file per key under a folder ($XDG_CONFIG_HOME/vorlane): the key,
// escaped where a file name cannot hold it, then ".json". A key too long
// for a file name gets a name from its hash instead, and the file then holds
// the key too. Each process writes only its own files, so no lock is taken:
// a write goes to a temporary file, is checked to the last byte and flushed
// to disk, and only then replaces the file. A write of the bytes the file
// already holds is skipped.
class SettingsFiles final : public PreferencesStore {
public:
    explicit SettingsFiles(QString folder = defaultFolder());
    ~SettingsFiles() override;
    static QString defaultFolder();

    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> setData(const QString& key, const QByteArray& value,
                                   Flush flush) override;
    std::optional<QString> keepAside(const QString& key) override;
    // Watches the folder (a file renamed into place, created or removed) and
    // the file itself (rewritten in place). One key at a time.
    void watch(const QString& key, std::function<void()> changed) override;

    QString filePath(const QString& key) const;
    // The file name for a key, and the key back from a name (nothing for a
    // hashed name, or one that is not a key's).
    static QString fileName(const QString& key);
    static std::optional<QString> keyFromFileName(const QString& name);

    // Copies the entries of the first store (one INI file for every
    // instance) into files of their own, once: an entry whose file exists is
    // left alone, and the old file is never changed.
    void carryOverFrom(const QString& oldIniFile);
    // Removes the temporary files of saves that never finished (the process
    // was killed while it wrote) once they are ten minutes old: files of the
    // program's own names only, never anything else.
    void removeStaleTemporaries() const;

private:
    QString m_folder;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};

// Writes the whole of `bytes` to `path` or leaves `path` as it was: through a
// temporary file beside it, every byte checked, flushed to disk, then
// renamed. The reason, with the path, when it failed.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           Flush flush = Flush::toDisk);
