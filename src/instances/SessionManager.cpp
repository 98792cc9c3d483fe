#include "instances/SessionManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <utility>

namespace {

const QStringList fallbackList{QStringLiteral("default")};
// The longest the main thread waits for another banner's change.
constexpr int lockWaitMs = 300;

} // namespace

QString SessionManager::defaultSessionFile() {
    return SessionManager().sessionFile();
}

SessionManager::SessionManager(QString folder)
    : m_folder(std::move(folder)) {}

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
    const FileContent content = m_folder.read(QLatin1StringView(fileName));
    const auto list = content.isPresent() ? parse(content.bytes) : std::nullopt;
    return list && !list->isEmpty() ? *list : fallbackList;
}

template <typename Edit> SessionManager::Change SessionManager::change(Edit&& edit) const {
    bool busy = false;
    const auto lock = m_folder.lock(QLatin1StringView(fileName), lockWaitMs, &busy);
    if (busy)
        return {Change::busy, {}, {}, {}};
    // Without a lock (a folder that cannot be written) the document cannot be
    // replaced either, and the replacement below says why.
    const QString name = QLatin1StringView(fileName);
    const FileContent content = m_folder.read(name);
    QString keptAside;
    if (content.isPresent() && !content.bytes.isEmpty() && !parse(content.bytes)) {
        // A hand edit gone wrong: copied aside, or left alone when that fails.
        const auto copy = m_folder.keepAside(name);
        if (!copy)
            return {Change::failed,
                    QStringLiteral("%1 could not be read, and no copy of it could be made")
                        .arg(sessionFile()),
                    {},
                    {}};
        keptAside = *copy;
    }
    QStringList list = load();
    edit(list);
    const Replaced replaced = m_folder.replace(name, serialize(list));
    if (!replaced.ok())
        return {Change::failed, replaced.problem, keptAside, {}};
    return {Change::done, {}, keptAside, list};
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

SessionManager::Change SessionManager::rewrite() const {
    return change([](QStringList&) {});
}

SessionManager::Change SessionManager::save(const QStringList& instances) const {
    return change([&instances](QStringList& list) { list = instances; });
}
