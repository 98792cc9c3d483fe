#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The session document: {"instances":["default","ticker"]}, the identifiers
// of the banners that belong to the user's session, shared by every banner
// process. Each change reads and writes it whole while holding a lock file,
// and writes go to a temporary file that is then renamed, so that banners
// starting or quitting at the same moment keep each other's entries and a
// crash cannot leave a damaged document. The lock is only ever held for
// the length of one read and one write.
class SessionManager {
public:
    // $XDG_CONFIG_HOME/vorlane/session.json (~/.config/... when unset),
    // computed once per process.
    static const QString& defaultSessionFile();

    explicit SessionManager(QString sessionFile = defaultSessionFile());

    const QString& sessionFile() const { return m_file; }
    QString sessionDir() const;

    // The listed identifiers in order, duplicates kept; the fallback list
    // ["default"] for a document that is missing, unreadable, damaged or empty.
    QStringList load() const;
    // Writes the document; the error's description when that failed.
    std::optional<QString> save(const QStringList& instances) const;

    // What a change of the document came to. A lock held by another banner
    // is waited for a few hundred milliseconds at most: busy means "try
    // again later", and nothing was changed.
    struct Change {
        enum Outcome { done, busy, failed } outcome = done;
        QString reason;    // for failed
        QString keptAside; // where a document that did not read was copied
    };
    // Appends the identifier unless it is listed; removes every occurrence.
    // Both rewrite the document in its normal form.
    Change addInstance(const QString& id) const;
    Change removeInstance(const QString& id) const;

    // Identifiers are equal as Unicode strings under canonical equivalence.
    static bool sameIdentifier(const QString& a, const QString& b);
    // The document's content, or nothing when it is not a readable session.
    static std::optional<QStringList> parse(const QByteArray& document);
    static QByteArray serialize(const QStringList& instances);

private:
    template <typename Edit> Change change(Edit&& edit) const;
    std::optional<QString> keepAsideIfDamaged() const;

    QString m_file;
};
