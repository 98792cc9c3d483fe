#include "platform/SettingsFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace {

// Names up to 248 bytes are plain (saves once named their temporary file
// after the file plus seven characters); the stored files keep those names.
constexpr int maxFileNameBytes = 248;
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

// The key a hashed file names, when it parses and names one.
std::optional<QString> keyNamedIn(const QByteArray& bytes) {
    const QJsonObject document = QJsonDocument::fromJson(bytes).object();
    if (!document.value(keyInFile).isString())
        return std::nullopt;
    return document.value(keyInFile).toString();
}

// A hashed file as the reader sees it: without the key it carries.
FileContent withoutKey(FileContent content) {
    if (!content.isPresent())
        return content;
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(content.bytes, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        return content; // damaged: handed on as it is, so that the reader keeps it aside
    QJsonObject document = parsed.object();
    document.remove(keyInFile);
    return FileContent::present(QJsonDocument(document).toJson(QJsonDocument::Compact));
}

} // namespace

SettingsFiles::SettingsFiles(QString folder, SystemDefaults system)
    : m_folder(std::move(folder))
    , m_system(std::move(system)) {}

QString SettingsFiles::defaultFolder() {
    return ConfigFolder::programFolder().value_or(QString());
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

QString SettingsFiles::nameInFolder(const QString& key) const {
    const QString name = fileName(key);
    if (!name.contains(hashedMark))
        return name;
    for (int n = 1;; ++n) {
        const QString candidate =
            n == 1 ? name : name.chopped(suffix.size()) + QStringLiteral("-%1").arg(n) + suffix;
        const FileContent content = m_folder.read(candidate);
        const auto named = content.isPresent() ? keyNamedIn(content.bytes) : std::nullopt;
        if (!named || *named == key || n == 100)
            return candidate;
        if (!m_saidTaken.contains(candidate)) {
            m_saidTaken.insert(candidate);
            qWarning("vorlane: %s holds the settings of another banner (\"%s\"); it is left "
                     "alone, and those of \"%s\" are kept in a file of their own",
                     qPrintable(m_folder.pathOf(candidate)), qPrintable(named->left(80)),
                     qPrintable(key.left(80)));
        }
    }
}

QString SettingsFiles::filePath(const QString& key) const {
    return m_folder.pathOf(nameInFolder(key));
}

FileContent SettingsFiles::ownEntry(const QString& key) const {
    const QString name = nameInFolder(key);
    const FileContent content = m_folder.read(name);
    return name.contains(hashedMark) ? withoutKey(content) : content;
}

std::optional<QJsonObject> SettingsFiles::systemDocument(const QString& key) const {
    // Keys long enough to be hashed have no system file.
    const QString name = fileName(key);
    return name.contains(hashedMark) ? std::nullopt : m_system.document(name);
}

FileContent SettingsFiles::read(const QString& key) const {
    const auto system = systemDocument(key);
    return system ? SystemDefaults::layered(*system, ownEntry(key)) : ownEntry(key);
}

Replaced SettingsFiles::write(const QString& key, const QByteArray& value,
                              const std::optional<FileContent>& known) {
    const QString name = nameInFolder(key);
    const bool hashed = name.contains(hashedMark);
    const auto system = systemDocument(key);
    QByteArray bytes = system ? SystemDefaults::ownPart(*system, value) : value;
    if (hashed) {
        QJsonObject document = QJsonDocument::fromJson(bytes).object();
        document.insert(keyInFile, key);
        bytes = QJsonDocument(document).toJson(QJsonDocument::Compact);
    }
    // What a reader of the entry sees of the file's content.
    const auto seen = [&](const FileContent& content) {
        const FileContent own = hashed ? withoutKey(content) : content;
        return system ? SystemDefaults::layered(*system, own) : own;
    };
    const auto stillAsKnown = [&](const FileContent& now) { return !known || seen(now) == *known; };
    Replaced replaced = m_folder.replace(name, bytes, stillAsKnown);
    if (replaced.outcome == Replaced::Outcome::changedMeanwhile ||
        replaced.outcome == Replaced::Outcome::displaced)
        replaced.now = seen(replaced.now);
    return replaced;
}

void SettingsFiles::watch(const QString& key, std::function<void()> changed) {
    m_folder.watch(nameInFolder(key), std::move(changed));
}

std::optional<QString> SettingsFiles::keepAside(const QString& key) {
    // A name near the longest leaves no room for the date: the copy is then
    // named after the key's hash.
    const QString name = nameInFolder(key);
    const bool roomy = name.toUtf8().size() + 32 <= 255;
    return m_folder.keepAside(name, roomy ? name : hashedName(name.toUtf8(), key));
}

Result SettingsFiles::carryOverFrom(const QString& oldIniFile) {
    const QString marker = oldIniFile + QStringLiteral(".carried-over");
    if (!QFileInfo(oldIniFile).isFile() || QFile::exists(marker))
        return Result::done();
    QStringList failed;
    QSettings old(oldIniFile, QSettings::IniFormat);
    for (const QString& stored : old.allKeys()) {
        // The first store escaped '%', '/' and '\' in its keys.
        const QString key = QString(stored)
                                .replace(QStringLiteral("%2F"), QStringLiteral("/"))
                                .replace(QStringLiteral("%5C"), QStringLiteral("\\"))
                                .replace(QStringLiteral("%25"), QStringLiteral("%"));
        const QVariant value = old.value(stored);
        if (value.typeId() == QMetaType::QByteArray &&
            ownEntry(key).state == FileContent::State::absent) {
            // Only while the person's file is still absent.
            const auto system = systemDocument(key);
            const FileContent none = system ? SystemDefaults::layered(*system, {}) : FileContent();
            if (const Replaced written = write(key, value.toByteArray(), none);
                written.outcome == Replaced::Outcome::failed)
                failed << written.problem;
        }
    }
    // Marked done only when it is: an entry not written is tried again next time.
    if (!failed.isEmpty())
        return Result::failed(QStringLiteral("settings of %1 not carried over: %2")
                                  .arg(oldIniFile, failed.join(QStringLiteral("; "))));
    const Replaced marked =
        m_folder.replace(QFileInfo(marker).fileName(),
                         QByteArrayLiteral("Entries carried over to files of their own.\n"));
    return marked.ok() ? Result::done() : Result::failed(marked.problem);
}
