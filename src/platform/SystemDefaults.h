#pragma once

#include "platform/ConfigFolder.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

// Settings an administrator gives every account: a file of the same name as
// a person's under vorlane/ in the system configuration folders
// ($XDG_CONFIG_DIRS, /etc/xdg when unset), the first folder that has one.
// It gives the defaults key by key; the person's own file overrides the keys
// it has. The program only reads there, and trusts nothing it finds: a file
// that is no JSON object counts as none.
class SystemDefaults {
public:
    explicit SystemDefaults(QStringList folders = fromEnvironment());
    // Each folder of $XDG_CONFIG_DIRS (absolute ones only) with /vorlane.
    static QStringList fromEnvironment();

    // The document a file of that name gives, from the first folder that
    // has a readable one; nothing when none does.
    std::optional<QJsonObject> document(const QString& fileName) const;

    // A person's entry as the program sees it: the system document with the
    // entry's keys over it. An absent entry is the system document; one that
    // is no JSON object is handed on as it is (its reader keeps it aside).
    static FileContent layered(const QJsonObject& system, const FileContent& own);
    // What is written to the person's file: the value less the keys that
    // hold what the system document gives. A value that is no JSON object is
    // written as it is.
    static QByteArray ownPart(const QJsonObject& system, const QByteArray& value);

private:
    QStringList m_folders;
};
