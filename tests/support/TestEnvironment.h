#pragma once

#include "platform/SettingsFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

// Points HOME, XDG_CONFIG_HOME, XDG_CONFIG_DIRS and XDG_RUNTIME_DIR into a
// fresh temporary folder that lives until the test process ends, so no test
// touches a real user's files or reads the machine's. Every test's main does
// this first; later calls return that folder.
inline QString isolateUserFolders() {
    static QTemporaryDir home;
    const QString config = home.path() + "/.config", runtime = home.path() + "/.runtime";
    if (qEnvironmentVariable("HOME") != home.path()) {
        QDir().mkpath(config), QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (home.path() + "/.system").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    return home.path();
}

// The recorded samples and documents the tests read.
inline QString testDataPath(const QString& name) {
    return qEnvironmentVariable("VORLANE_TEST_DATA") + QLatin1Char('/') + name;
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
// Writes a whole file, its folder made first; false when it could not.
inline bool writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

// Replaces a file as a script does: a temporary file beside it, then a rename.
inline bool renameInto(const QString& path, const QByteArray& content) {
    const QByteArray temporary = QFile::encodeName(path) + ".new";
    return writeFile(temporary, content) &&
           std::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0;
}

// Runs a program to its end; its output, or nothing when it failed.
inline std::optional<QByteArray>
output(const QString& program, const QStringList& arguments,
       const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    const bool ok = p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit;
    return ok && !p.exitCode() ? std::optional(p.readAllStandardOutput()) : std::nullopt;
}

// Stores a banner's settings and starts it without a runtime folder, as some
// sessions do (Qt makes its own, and says nothing while all is well).
inline void startBanner(QProcess& banner, const QString& id, const QByteArray& settings,
                        QProcessEnvironment env) {
    if (!settings.isNull()) // none: a new instance
        writeFile(SettingsFiles().filePath("VorlaneSettings_" + id), settings);
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", isolateUserFolders());
    banner.setProcessEnvironment(env);
    banner.setStandardOutputFile(QProcess::nullDevice());
    banner.start(qEnvironmentVariable("VORLANE_BINARY"), {id});
}
// Waits for a banner asked to end (once: a second signal is not waited for);
// true when it ended with exit code 0 and said nothing.
inline bool endedCleanly(QProcess& banner, const QString& id) {
    const bool ended = (banner.state() == QProcess::NotRunning || banner.waitForFinished(5000)) &&
                       banner.exitStatus() == QProcess::NormalExit && banner.exitCode() == 0;
    const QByteArray said = banner.readAllStandardError();
    if (!said.isEmpty())
        qWarning("%s said: %s", qPrintable(id), said.constData());
    return ended && said.isEmpty();
}

// QTEST_MAIN with the user folders isolated before anything else runs.
#define VORLANE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        isolateUserFolders();                                                                      \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
