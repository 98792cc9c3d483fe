#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QLockFile;

// What reading a file of the folder found. A file that is not a regular file
// (a FIFO, a device, a folder), one that cannot be opened, or one far larger
// than any the program writes is refused: it is left where it is, never read
// whole and never written over.
struct FileContent {
    enum class State { absent, present, refused };
    State state = State::absent;
    QByteArray bytes; // present
    QString problem;  // refused: what is wrong, with the file's path

    static FileContent absent() { return {}; }
    static FileContent present(QByteArray bytes) { return {State::present, std::move(bytes), {}}; }
    static FileContent refused(QString why) { return {State::refused, {}, std::move(why)}; }
    bool isPresent() const { return state == State::present; }
    bool isRefused() const { return state == State::refused; }
    bool operator==(const FileContent&) const = default;
};

// How a replacement of a file ended.
struct Replaced {
    // changedMeanwhile: nothing replaced; an edit landed before the last look,
    // or in the instant between it and the swap (then put back in place).
    // displaced: written, but such an edit could not be put back; `now`
    // holds it, to be read as a change from outside.
    enum class Outcome { written, unchanged, changedMeanwhile, displaced, failed };
    Outcome outcome = Outcome::written;
    FileContent now; // changedMeanwhile: what the file holds instead
    QString problem; // failed: why, with the file's path
    bool ok() const { return outcome != Outcome::changedMeanwhile && outcome != Outcome::failed; }
};

// The program's folder under the user's configuration folder
// ($XDG_CONFIG_HOME/vorlane) and everything the program does with files in
// it: reading without ever blocking, the careful write, keeping a copy of a
// file aside, the lock the banners share, and watching a file for changes.
class ConfigFolder {
public:
    // Larger files are refused: a settings file is a few hundred bytes.
    static constexpr qint64 maxFileBytes = 1 << 20;

    explicit ConfigFolder(QString path);
    ~ConfigFolder();

    // The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
    // path, else .config in the home folder ($HOME, else the account's);
    // nothing when no home is known.
    static std::optional<QString> userConfigHome();
    // $XDG_CONFIG_HOME/vorlane, or what is wrong when there is none.
    static std::optional<QString> programFolder(QString* problem = nullptr);

    const QString& path() const { return m_path; }
    QString pathOf(const QString& name) const { return m_path + u'/' + name; }

    FileContent read(const QString& name) const;

    // Replaces the file with `bytes`: a temporary file of the program's own
    // name is written, flushed to disk, renamed over the file, and the folder
    // flushed. A symbolic link stays a link (its target is replaced, in the
    // target's folder) and the replaced file keeps its mode. Just before the
    // rename, `stillAsKnown` sees what the file holds; when it says no,
    // nothing is replaced. A refused file is never replaced; nor is a file
    // that holds `bytes` already.
    [[nodiscard]] Replaced
    replace(const QString& name, const QByteArray& bytes,
            const std::function<bool(const FileContent&)>& stillAsKnown = nullptr) const;

    // Copies the file to "<name>.unreadable-<date>-<time>" (with "-2", "-3"...
    // when that is taken; `asideName` when the name would be too long). The
    // copy's path, or nothing when no copy could be made.
    std::optional<QString> keepAside(const QString& name, const QString& asideName = {}) const;

    // Takes the lock file "<name>.lock", waiting at most `waitMs`; one left
    // by a process that died is taken over. Nothing when another holds it.
    std::unique_ptr<QLockFile> lock(const QString& name, int waitMs, bool* busy) const;

    // Calls `changed` when the file may have changed: renamed into place,
    // created, removed, or rewritten in place. One file per folder object.
    void watch(const QString& name, std::function<void()> changed);

    // Removes temporary files that saves killed half-way left behind, once
    // they are ten minutes old. Only names the program itself makes.
    void removeStaleTemporaries() const;

private:
    QString m_path;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};
