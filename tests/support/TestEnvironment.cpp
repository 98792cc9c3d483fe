#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

QString isolateUserFolders() {
    static QTemporaryDir home;
    if (qEnvironmentVariable("HOME") == home.path())
        return home.path();
    const QString configHome = home.path() + QStringLiteral("/.config");
    QDir().mkpath(configHome);
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    const QString runtimeDir = home.path() + QStringLiteral("/.runtime");
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
    return home.path();
}

QString testDataPath(const QString& name) {
    return qEnvironmentVariable("VORLANE_TEST_DATA") + QLatin1Char('/') + name;
}
