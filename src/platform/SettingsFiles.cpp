#include "platform/SettingsFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Saving writes a temporary file first, named after the file with this
// after it; both names must fit the 255 bytes a file name may have.
constexpr char temporarySuffix[] = ".XXXXXX";
constexpr int maxFileNameBytes = 255 - int(sizeof(temporarySuffix) - 1);
const QString suffix = QStringLiteral(".json");
// Escaping always writes '%' as "%25", so a name with a bare "%-" is a hash.
const QString hashedMark = QStringLiteral("%-");
const QString keyInFile = QStringLiteral("settingsKey");

bool isPlain(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7F && c != '/' && c != '%';
}

// The name for a key too long to be a name of its own: the escaped key's
// first part ("VorlaneSettings_") and the key's hash. The part is taken from
// the escaped form, never the raw key, whose '/' or NUL would make another path.
QString hashedName(const QByteArray& escaped, const QString& key) {
    const qsizetype underscore = escaped.indexOf('_');
    const QByteArray prefix =
        underscore >= 0 && underscore < 32 ? escaped.left(underscore + 1) : "";
    return QString::fromUtf8(prefix) + hashedMark +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex()) +
           suffix;
}

QString systemError(const QString& path, int error) {
    return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

SettingsFiles::SettingsFiles(QString folder)
    : m_folder(std::move(folder)) {}

SettingsFiles::~SettingsFiles() = default;

QString SettingsFiles::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vorlane");
}

QString SettingsFiles::fileName(const QString& key) {
    // UTF-8 as it is, but for '/', '%' and control characters, which are
    // written as %XX.
    QByteArray name;
    for (char c : key.toUtf8()) {
        if (isPlain(c))
            name += c;
        else
            name += '%' + QByteArray::number(static_cast<unsigned char>(c), 16)
                              .rightJustified(2, '0')
                              .toUpper();
    }
    if (name.size() + suffix.size() <= maxFileNameBytes)
        return QString::fromUtf8(name) + suffix;
    return hashedName(name, key);
}

std::optional<QString> SettingsFiles::keyFromFileName(const QString& name) {
    if (!name.endsWith(suffix) || name.contains(hashedMark))
        return std::nullopt;
    const QByteArray bytes = name.chopped(suffix.size()).toUtf8();
    QByteArray key;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '%') {
            key += bytes[i];
            continue;
        }
        bool ok = false;
        const int value = bytes.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || bytes.mid(i + 1, 2).size() != 2 || isPlain(char(value)))
            return std::nullopt; // not as this store writes it
        key += char(value);
        i += 2;
    }
    const QString decoded = QString::fromUtf8(key);
    return fileName(decoded) == name ? std::optional(decoded) : std::nullopt;
}

QString SettingsFiles::filePath(const QString& key) const {
    return m_folder + u'/' + fileName(key);
}

std::optional<QByteArray> SettingsFiles::data(const QString& key) const {
    QFile file(filePath(key));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (!fileName(key).contains(hashedMark))
        return bytes;
    // A hashed name: the file says whose it is, when it says. A damaged one
    // is handed on as it is, so that the reader keeps it aside.
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        return bytes;
    QJsonObject document = parsed.object();
    if (document.contains(keyInFile) && document.value(keyInFile).toString() != key)
        return std::nullopt;
    document.remove(keyInFile);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

std::optional<QString> SettingsFiles::setData(const QString& key, const QByteArray& value,
                                              Flush flush) {
    QByteArray bytes = value;
    if (fileName(key).contains(hashedMark)) {
        QJsonObject document = QJsonDocument::fromJson(value).object();
        document.insert(keyInFile, key);
        bytes = QJsonDocument(document).toJson(QJsonDocument::Compact);
    }
    const QString path = filePath(key);
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.size() == bytes.size() &&
        current.readAll() == bytes) {
        // Unchanged: nothing to write, but maybe an earlier write to flush.
        if (flush == Flush::toDisk && ::fsync(current.handle()) != 0)
            return systemError(path, errno);
        return std::nullopt;
    }
    if (!QDir().mkpath(m_folder))
        return systemError(m_folder, errno);
    return writeFileAtomically(path, bytes, flush);
}

void SettingsFiles::watch(const QString& key, std::function<void()> changed) {
    QDir().mkpath(m_folder);
    m_watcher = std::make_unique<QFileSystemWatcher>(QStringList{m_folder});
    const QString path = filePath(key);
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

std::optional<QString> SettingsFiles::keepAside(const QString& key) {
    const QString path = filePath(key);
    const QString stamp = QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // A name near the longest gets no room for the stamp: the copy is then
    // named after the key's hash.
    QString name = fileName(key);
    if ((name + stamp).toUtf8().size() > 255)
        name = hashedName(name.toUtf8(), key);
    const QString copy = m_folder + u'/' + name + stamp;
    if (!QFile::exists(path) || !QFile::copy(path, copy))
        return std::nullopt;
    return copy;
}

void SettingsFiles::removeStaleTemporaries() const {
    // Only the names the program's own saves use: a settings file's or the
    // session document's, then the six characters mkstemp() chose.
    static const QRegularExpression own(
        QStringLiteral(R"(^(VorlaneSettings_.*|session)\.json\.[A-Za-z0-9]{6}$)"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    for (const QFileInfo& file : QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (own.match(file.fileName()).hasMatch() && file.lastModified() < old)
            QFile::remove(file.filePath());
    }
}

void SettingsFiles::carryOverFrom(const QString& oldIniFile) {
    const QString marker = oldIniFile + QStringLiteral(".carried-over");
    if (!QFile::exists(oldIniFile) || QFile::exists(marker))
        return;
    QSettings old(oldIniFile, QSettings::IniFormat);
    for (const QString& stored : old.allKeys()) {
        // The first store escaped '%', '/' and '\' in its keys.
        const QString key = QString(stored)
                                .replace(QStringLiteral("%2F"), QStringLiteral("/"))
                                .replace(QStringLiteral("%5C"), QStringLiteral("\\"))
                                .replace(QStringLiteral("%25"), QStringLiteral("%"));
        const QVariant value = old.value(stored);
        if (value.typeId() == QMetaType::QByteArray && !QFile::exists(filePath(key)))
            setData(key, value.toByteArray(), Flush::toDisk);
    }
    writeFileAtomically(marker, QByteArrayLiteral("Entries carried over to files of their own.\n"));
}

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           Flush flush) {
    QByteArray temporary = QFile::encodeName(path) + temporarySuffix;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemError(path, errno);
    int error = 0;
    for (qsizetype written = 0; written < bytes.size() && !error;) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && flush == Flush::toDisk && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return systemError(path, error);
    }
    return std::nullopt;
}
