#include "platform/ConfigFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Saves write "<folder>/.vorlane-save-XXXXXX" first (mkstemp fills the X's):
// a name no person gives a file, so that only these are ever cleaned up.
constexpr char temporaryPattern[] = ".vorlane-save-XXXXXX";

QString systemError(const QString& path, int error) {
    return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now; the error of close() (a write that failed late), or 0.
    int close() {
        const int result = ::close(m_fd) == 0 ? 0 : errno;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Opened without blocking (a FIFO would wait for a writer) and checked for
// what it is before a byte is read.
// `seen`, when given, is what the file was as it was read.
FileContent readPath(const QString& path, struct stat* seen = nullptr) {
    Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return errno == ENOENT ? FileContent::absent()
                               : FileContent::refused(systemError(path, errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return FileContent::refused(systemError(path, errno));
    if (!S_ISREG(info.st_mode))
        return FileContent::refused(path + QStringLiteral(": not a regular file"));
    if (seen)
        *seen = info;
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::pread(fd.get(), buffer, sizeof buffer, bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileContent::refused(systemError(path, errno));
        if (n == 0)
            return FileContent::present(bytes);
        bytes.append(buffer, n);
        if (bytes.size() > ConfigFolder::maxFileBytes) // also a file that keeps growing
            return FileContent::refused(path + QStringLiteral(": larger than 1 MiB"));
    }
}

// Where a write to `path` goes: the file a chain of symbolic links ends at,
// which may not exist yet.
QString resolvedTarget(QString path) {
    for (int depth = 0; depth < 40; ++depth) {
        char target[4096];
        const ssize_t n =
            ::readlink(QFile::encodeName(path).constData(), target, sizeof target - 1);
        if (n < 0)
            return path; // not a link
        const QString next = QFile::decodeName(QByteArray(target, n));
        path = QDir::cleanPath(QDir::isAbsolutePath(next) ? next
                                                          : QFileInfo(path).path() + u'/' + next);
    }
    return path;
}

int writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + written, size_t(bytes.size() - written), written);
        if (n > 0)
            written += n;
        else if (n == 0)
            return EIO;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

// A rename is on the disk only once its folder is. Errors here change nothing
// of what the folder now holds, so they are not reported.
void flushFolder(const QString& folder) {
    Descriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The file swapped out from under `path`, once its writer (who may still
// hold it open) has left it alone for 50 ms, or after a second.
FileContent settledContent(const QString& path) {
    struct stat before {
    }, after{};
    for (int waited = 0; waited < 20; ++waited) {
        ::stat(QFile::encodeName(path).constData(), &before);
        QThread::msleep(50);
        ::stat(QFile::encodeName(path).constData(), &after);
        if (sameFile(before, after))
            break;
    }
    return readPath(path);
}

// An edit landed in the instant between the last look and the swap, and
// its writer may be writing to it still (a shell's ">" in two parts): the
// file goes back in place, so that nothing its writer adds is lost, and is
// handed back as a change from outside. Where it cannot go back, what it
// holds once its writer leaves it alone is handed back instead.
Replaced putBack(const QByteArray& temporary, const QByteArray& path, const struct stat& mine) {
    const auto exchange = [&] {
        return ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path.constData(),
                           RENAME_EXCHANGE) == 0;
    };
    if (!exchange())
        return {Replaced::Outcome::displaced, settledContent(QFile::decodeName(temporary)), {}};
    // Another edit renamed into place in between is newer still: it stays.
    struct stat out {};
    if (::stat(temporary.constData(), &out) == 0 &&
        (out.st_dev != mine.st_dev || out.st_ino != mine.st_ino))
        static_cast<void>(exchange());
    return {Replaced::Outcome::changedMeanwhile, settledContent(QFile::decodeName(path)), {}};
}

Replaced failed(QString problem) {
    return {Replaced::Outcome::failed, {}, std::move(problem)};
}

} // namespace

ConfigFolder::ConfigFolder(QString path)
    : m_path(std::move(path)) {}

ConfigFolder::~ConfigFolder() = default;

std::optional<QString> ConfigFolder::userConfigHome() {
    // Relative values are to be ignored, as the XDG base directories say.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd* account = ::getpwuid(::getuid());
        home = account && account->pw_dir ? QFile::decodeName(account->pw_dir) : QString();
    }
    if (!QDir::isAbsolutePath(home))
        return std::nullopt;
    return QDir::cleanPath(home + QStringLiteral("/.config"));
}

std::optional<QString> ConfigFolder::programFolder(QString* problem) {
    if (const auto home = userConfigHome())
        return *home + QStringLiteral("/vorlane");
    if (problem)
        *problem = QStringLiteral("no folder for the settings: neither XDG_CONFIG_HOME nor HOME "
                                  "names an absolute path, and the account has no home folder");
    return std::nullopt;
}

FileContent ConfigFolder::read(const QString& name) const {
    return readPath(pathOf(name));
}

Replaced ConfigFolder::replace(const QString& name, const QByteArray& bytes,
                               const std::function<bool(const FileContent&)>& stillAsKnown) const {
    if (m_path.isEmpty()) // no home folder: nowhere to write, certainly not at the root
        return failed(QStringLiteral("no folder for the settings"));
    const QString target = resolvedTarget(pathOf(name));
    const auto looked = [&](const FileContent& now) -> std::optional<Replaced> {
        if (now.isRefused())
            return failed(now.problem);
        if (stillAsKnown && !stillAsKnown(now))
            return Replaced{Replaced::Outcome::changedMeanwhile, now, {}};
        return std::nullopt;
    };
    const FileContent before = readPath(target);
    if (auto stop = looked(before))
        return *stop;
    if (before.isPresent() && before.bytes == bytes)
        return {Replaced::Outcome::unchanged, {}, {}};

    const QString folder = QFileInfo(target).path();
    if (!QDir().mkpath(folder))
        return failed(systemError(folder, errno));
    struct stat old {};
    const mode_t mode =
        ::stat(QFile::encodeName(target).constData(), &old) == 0 ? old.st_mode & 07777 : 0600;
    QByteArray temporary = QFile::encodeName(folder) + '/' + temporaryPattern;
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return failed(systemError(target, errno));
    int error = writeAll(fd.get(), bytes);
    struct stat mine {};
    if (!error && (::fchmod(fd.get(), mode) != 0 || ::fstat(fd.get(), &mine) != 0))
        error = errno;
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (const int closed = fd.close(); !error)
        error = closed;
    if (error) {
        ::unlink(temporary.constData());
        return failed(systemError(target, error));
    }
    // The last look, as close to the rename as it can be: an edit that
    // landed while the temporary file was written is not replaced.
    struct stat seen {};
    const FileContent last = readPath(target, &seen);
    if (auto stop = looked(last)) {
        ::unlink(temporary.constData());
        return *stop;
    }
    // Swapped rather than renamed where the file is there: the file replaced
    // comes out under the temporary name, and is checked to be the one the
    // last look saw (an edit in the instant between is handed back).
    const QByteArray path = QFile::encodeName(target);
    const bool swapped = last.isPresent() && ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD,
                                                         path.constData(), RENAME_EXCHANGE) == 0;
    if (!swapped && ::rename(temporary.constData(), path.constData()) != 0) {
        error = errno;
        ::unlink(temporary.constData());
        return failed(systemError(target, error));
    }
    Replaced replaced;
    struct stat out {};
    if (swapped && (::stat(temporary.constData(), &out) != 0 || !sameFile(out, seen)))
        replaced = putBack(temporary, path, mine);
    if (swapped)
        ::unlink(temporary.constData());
    flushFolder(folder);
    return replaced;
}

std::optional<QString> ConfigFolder::keepAside(const QString& name,
                                               const QString& asideName) const {
    const FileContent content = readPath(pathOf(name));
    if (!content.isPresent())
        return std::nullopt;
    const QString stamp = QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = asideName.isEmpty() ? name : asideName;
    for (int n = 1; n < 100; ++n) {
        const QString copy =
            pathOf(base + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()));
        Descriptor fd(::open(QFile::encodeName(copy).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.get() < 0 && errno == EEXIST)
            continue;
        if (fd.get() < 0)
            return std::nullopt;
        if (writeAll(fd.get(), content.bytes) != 0 || ::fsync(fd.get()) != 0 || fd.close() != 0) {
            QFile::remove(copy);
            return std::nullopt;
        }
        return copy;
    }
    return std::nullopt;
}

std::unique_ptr<QLockFile> ConfigFolder::lock(const QString& name, int waitMs, bool* busy) const {
    *busy = false;
    if (m_path.isEmpty() || !QDir().mkpath(m_path))
        return nullptr; // and nothing can be replaced there either
    // QLockFile takes over a lock whose process has died; one that names no
    // process (left empty by a crash) is stale once it is a second old.
    auto lock = std::make_unique<QLockFile>(pathOf(name + QStringLiteral(".lock")));
    lock->setStaleLockTime(1000);
    const bool taken = lock->tryLock(waitMs);
    *busy = !taken && lock->error() == QLockFile::LockFailedError;
    return taken ? std::move(lock) : nullptr;
}

void ConfigFolder::watch(const QString& name, std::function<void()> changed) {
    QDir().mkpath(m_path);
    m_watcher = std::make_unique<QFileSystemWatcher>(QStringList{m_path});
    const QString path = pathOf(name);
    // A file replaced by a rename is another file: watched anew each time.
    const auto watchFile = [watcher = m_watcher.get(), path] {
        if (!watcher->files().contains(path) && QFile::exists(path))
            watcher->addPath(path);
    };
    watchFile();
    const auto onChange = [watchFile, changed = std::move(changed)] {
        watchFile();
        changed();
    };
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, onChange);
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, onChange);
}

void ConfigFolder::removeStaleTemporaries() const {
    static const QRegularExpression own(QStringLiteral(R"(^\.vorlane-save-[A-Za-z0-9]{6}$)"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    for (const QString& name : QDir(m_path).entryList(QDir::Files | QDir::Hidden)) {
        const QFileInfo file(pathOf(name));
        if (own.match(name).hasMatch() && !file.isSymLink() && file.lastModified() < old)
            QFile::remove(pathOf(name));
    }
}
