#include "platform/SystemDefaults.h"

#include <QDir>
#include <QJsonDocument>

namespace {

std::optional<QJsonObject> objectIn(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        return std::nullopt;
    return parsed.object();
}

QByteArray compact(const QJsonObject& document) {
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

} // namespace

SystemDefaults::SystemDefaults(QStringList folders)
    : m_folders(std::move(folders)) {}

QStringList SystemDefaults::fromEnvironment() {
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    QStringList folders;
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        // Relative values are to be ignored, as the XDG base directories say.
        if (QDir::isAbsolutePath(dir))
            folders << QDir::cleanPath(dir) + QStringLiteral("/vorlane");
    }
    return folders;
}

std::optional<QJsonObject> SystemDefaults::document(const QString& fileName) const {
    for (const QString& folder : m_folders) {
        const FileContent content = ConfigFolder(folder).read(fileName);
        if (content.state == FileContent::State::absent)
            continue;
        if (!content.isPresent())
            return std::nullopt; // the first file there is decides, readable or not
        return objectIn(content.bytes);
    }
    return std::nullopt;
}

FileContent SystemDefaults::layered(const QJsonObject& system, const FileContent& own) {
    if (own.state == FileContent::State::absent)
        return FileContent::present(compact(system));
    const auto document = own.isPresent() ? objectIn(own.bytes) : std::nullopt;
    if (!document)
        return own;
    QJsonObject merged = system;
    for (auto it = document->begin(); it != document->end(); ++it)
        merged.insert(it.key(), it.value());
    return FileContent::present(compact(merged));
}

QByteArray SystemDefaults::ownPart(const QJsonObject& system, const QByteArray& value) {
    auto document = objectIn(value);
    if (!document)
        return value;
    for (auto it = system.begin(); it != system.end(); ++it) {
        if (document->value(it.key()) == it.value())
            document->remove(it.key());
    }
    return compact(*document);
}
