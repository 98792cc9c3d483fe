#pragma once

#include "platform/ConfigFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

// The session document: {"instances":["default","ticker"]}, the identifiers
// of the banners that belong to the user's session, shared by every banner
// process. Every change reads and writes it whole while holding a lock file
// (session.json.lock), a document that does not read is kept aside before it
// is replaced, and writes are the folder's careful replacement, so that
// banners starting or quitting at the same moment keep each other's entries
// and a crash cannot leave a damaged document. The lock is only ever held
// for the length of one read and one write.
class SessionManager {
public:
    static constexpr const char* fileName = "session.json";

    // $XDG_CONFIG_HOME/vorlane/session.json (~/.config/... when unset).
    static QString defaultSessionFile();

    explicit SessionManager(QString folder = ConfigFolder::programFolder().value_or(QString()));

    QString sessionFile() const { return m_folder.pathOf(QLatin1StringView(fileName)); }
    QString sessionDir() const { return m_folder.path(); }

    // The listed identifiers in order, duplicates kept; the fallback list
    // ["default"] for a document that is missing, unreadable, damaged or empty.
    QStringList load() const;

    // What a change of the document came to. A lock held by another banner
    // is waited for a few hundred milliseconds at most: busy means "try
    // again later", and nothing was changed.
    struct [[nodiscard]] Change {
        enum Outcome { done, busy, failed } outcome = done;
        QString reason;        // for failed
        QString keptAside;     // where a document that did not read was copied
        QStringList instances; // done: the list as written
    };
    // Appends the identifier unless it is listed; removes every occurrence;
    // writes the list as it is, in its normal form; writes the given list.
    Change addInstance(const QString& id) const;
    Change removeInstance(const QString& id) const;
    Change rewrite() const;
    Change save(const QStringList& instances) const;

    // Identifiers are equal as Unicode strings under canonical equivalence.
    static bool sameIdentifier(const QString& a, const QString& b);
    // The document's content, or nothing when it is not a readable session.
    static std::optional<QStringList> parse(const QByteArray& document);
    static QByteArray serialize(const QStringList& instances);

private:
    template <typename Edit> Change change(Edit&& edit) const;

    ConfigFolder m_folder;
};
