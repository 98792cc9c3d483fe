// Starting at login: the shipped entry, installing and removing it.
#include "app/AppDelegate.h"
#include "autostart/AutostartEntry.h"
#include "fakes/FakePlatform.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

class AutostartTest : public QObject {
    Q_OBJECT
    QString m_home;
    QString programDir() const { return m_home + "/program"; }
    QString autostartDir() const { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart"; }
    QString installed() const { return autostartDir() + "/com.tarnwick.vorlane.desktop"; }

    // A delegate whose banner executable lives in programDir().
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<AppDelegate> delegate;

    void ship(const QByteArray& content) {
        QDir().mkpath(programDir());
        QFile f(programDir() + "/com.tarnwick.vorlane.desktop");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

private slots:
    void initTestCase() { m_home = isolateUserFolders(); }

    void init() {
        QDir(programDir()).removeRecursively();
        QDir(autostartDir()).removeRecursively();
        fake = std::make_unique<FakePlatform>();
        fake->processes.executable = programDir() + "/vorlane";
        delegate = std::make_unique<AppDelegate>("x", fake->services());
    }

    void installCreatesTheFolderAndReplacesAnOldCopy() {
        ship("[Desktop Entry]\nName=new\n");
        QVERIFY(!QFileInfo::exists(autostartDir()));
        QVERIFY(!delegate->isLaunchAgentInstalled());
        delegate->installLaunchAgent();
        QCOMPARE(fake->dialogs.alerts,
                 QStringList{"Auto-Start Installed | Vorlane will start automatically at login."});
        QVERIFY(delegate->isLaunchAgentInstalled());

        ship("[Desktop Entry]\nName=newer\n");
        delegate->installLaunchAgent();
        QFile copy(installed());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("[Desktop Entry]\nName=newer\n"));
    }

    void installWithoutAShippedEntryFails() {
        delegate->installLaunchAgent();
        QCOMPARE(fake->dialogs.alerts.size(), 1);
        QVERIFY2(fake->dialogs.alerts[0].startsWith(
                     "Installation Failed | The auto-start entry com.tarnwick.vorlane.desktop "
                     "was not found"),
                 qPrintable(fake->dialogs.alerts[0]));
        QVERIFY(!delegate->isLaunchAgentInstalled());
    }

    void installedDataFolderServesToo() {
        // Installed layout: bin/vorlane and share/vorlane/<entry>.
        QDir().mkpath(m_home + "/prefix/bin");
        QDir().mkpath(m_home + "/prefix/share/vorlane");
        QFile entry(m_home + "/prefix/share/vorlane/com.tarnwick.vorlane.desktop");
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\n");
        entry.close();
        const AutostartEntry autostart(m_home + "/prefix/bin", autostartDir());
        QCOMPARE(autostart.shippedPath(), std::optional(QDir::cleanPath(entry.fileName())));
        QCOMPARE(autostart.install(), std::nullopt);
    }

    void removeAlwaysReports() {
        delegate->uninstallLaunchAgent(); // nothing installed
        ship("[Desktop Entry]\n");
        delegate->installLaunchAgent();
        delegate->uninstallLaunchAgent();
        QVERIFY(!QFileInfo::exists(installed()));
        QCOMPARE(fake->dialogs.alerts,
                 (QStringList{"Auto-Start Removed | Vorlane will no longer start at login.",
                              "Auto-Start Installed | Vorlane will start automatically at login.",
                              "Auto-Start Removed | Vorlane will no longer start at login."}));
    }

    void shippedEntryIsValidAndStartsTheProgram() {
        const QString binary = qEnvironmentVariable("VORLANE_BINARY");
        const QString entry = QFileInfo(binary).path() + "/com.tarnwick.vorlane.desktop";
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        QVERIFY(validate.waitForFinished(10000));
        QCOMPARE(validate.exitCode(), 0);
        QCOMPARE(validate.readAll(), QByteArray()); // not even a hint

        QFile f(entry);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(f.readAll());
        QVERIFY(content.contains("\nExec=\"" + QFileInfo(binary).absoluteFilePath() + "\"\n"));
    }
};

VORLANE_TEST_MAIN(AutostartTest)
#include "tst_autostart.moc"
