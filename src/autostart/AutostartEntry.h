#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <optional>

// Login auto-start through an XDG autostart entry. The entry
// "com.tarnwick.vorlane.desktop" ships with the program (beside the
// executable in the build tree, in the data folder once installed); installing
// copies it into $XDG_CONFIG_HOME/autostart/, where desktop sessions look at
// login, and removing deletes that copy.
class AutostartEntry {
public:
    static constexpr const char* fileName = "com.tarnwick.vorlane.desktop";

    // The shipped entry beside the executable or in the installed data
    // folder, and the autostart folder of the user.
    AutostartEntry(QString executableDir, QString autostartDir);
    // For the given banner executable and the user's autostart folder.
    static AutostartEntry forExecutable(const QString& executablePath);

    QString installedPath() const;
    // The shipped entry that exists, beside the executable first.
    std::optional<QString> shippedPath() const;
    // Where the shipped entry is looked for, in order.
    QStringList shippedCandidates() const;
    bool isInstalled() const;

    // The autostart folder is made when it is missing; an old copy is replaced.
    Result install() const;
    // Nothing installed is nothing to remove.
    Result uninstall() const;

private:
    QString m_executableDir;
    QString m_autostartDir;
};
