#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Points HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR into a fresh temporary
// folder that lives until the test process ends, so no test touches a real
// user's files. Every test's main does this first; later calls return the
// same folder.
inline QString isolateUserFolders() {
    static QTemporaryDir home;
    if (qEnvironmentVariable("HOME") != home.path()) {
        QDir().mkpath(home.path() + QStringLiteral("/.config"));
        QDir().mkpath(home.path() + QStringLiteral("/.runtime"));
        QFile::setPermissions(home.path() + QStringLiteral("/.runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", (home.path() + QStringLiteral("/.runtime")).toLocal8Bit());
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

// QTEST_MAIN with the user folders isolated before anything else runs.
#define VORLANE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        isolateUserFolders();                                                                      \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
