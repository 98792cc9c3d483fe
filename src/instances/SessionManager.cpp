#include "instances/SessionManager.h"

#include "platform/SettingsFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>

#include <utility>

namespace {

const QStringList fallbackList{QStringLiteral("default")};
// The longest the main thread waits for another banner's change.
constexpr int lockWaitMs = 300;

} // namespace

const QString& SessionManager::defaultSessionFile() {
    static const QString file =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/vorlane/session.json");
    return file;
}

SessionManager::SessionManager(QString sessionFile)
    : m_file(std::move(sessionFile)) {}

QString SessionManager::sessionDir() const {
    return QFileInfo(m_file).path();
}

bool SessionManager::sameIdentifier(const QString& a, const QString& b) {
    return a == b ||
           a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

std::optional<QStringList> SessionManager::parse(const QByteArray& document) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return std::nullopt;
    const QJsonValue instances = json.object().value(QLatin1StringView("instances"));
    if (!instances.isArray())
        return std::nullopt;
    QStringList list;
    for (const QJsonValue& id : instances.toArray()) {
        if (!id.isString())
            return std::nullopt;
        list.append(id.toString());
    }
    return list;
}

QByteArray SessionManager::serialize(const QStringList& instances) {
    QJsonObject document;
    document.insert(QLatin1StringView("instances"), QJsonArray::fromStringList(instances));
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QStringList SessionManager::load() const {
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return fallbackList;
    const auto list = parse(file.readAll());
    return list && !list->isEmpty() ? *list : fallbackList;
}

std::optional<QString> SessionManager::save(const QStringList& instances) const {
    if (!QDir().mkpath(sessionDir()))
        return QStringLiteral("The folder %1 could not be created.").arg(sessionDir());
    // Not QSaveFile: on a full disk it renames the short file over the old one.
    return writeFileAtomically(m_file, serialize(instances));
}

std::optional<QString> SessionManager::keepAsideIfDamaged() const {
    // A document that is there but does not read (a hand edit gone wrong)
    // is copied aside before the fallback list replaces it.
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || parse(file.readAll()))
        return std::nullopt;
    const QString copy = m_file + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::copy(m_file, copy))
        return std::nullopt;
    qWarning("vorlane: the session document could not be read; it is kept as %s", qPrintable(copy));
    return copy;
}

template <typename Edit> SessionManager::Change SessionManager::change(Edit&& edit) const {
    QDir().mkpath(sessionDir());
    // A lock left by a process that died is taken over (QLockFile checks its
    // PID); one that names no process (left empty by a crash) is stale once
    // it is a second old.
    QLockFile lock(m_file + QStringLiteral(".lock"));
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(lockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return {Change::busy, {}, {}};
        // No lock can be made here (a folder that cannot be written): the
        // document cannot be replaced either, and the save below says why.
    }
    const QString keptAside = keepAsideIfDamaged().value_or(QString());
    QStringList list = load();
    edit(list);
    if (const auto error = save(list)) {
        qWarning("vorlane: the session document was not changed: %s", qPrintable(*error));
        return {Change::failed, *error, keptAside};
    }
    return {Change::done, {}, keptAside};
}

SessionManager::Change SessionManager::addInstance(const QString& id) const {
    return change([&id](QStringList& list) {
        for (const QString& listed : std::as_const(list)) {
            if (sameIdentifier(listed, id))
                return;
        }
        list.append(id);
    });
}

SessionManager::Change SessionManager::removeInstance(const QString& id) const {
    return change([&id](QStringList& list) {
        list.removeIf([&id](const QString& listed) { return sameIdentifier(listed, id); });
    });
}
