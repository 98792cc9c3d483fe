// Starting at login: the shipped entry, installing and removing it.
#include "autostart/AutostartEntry.h"
#include "fakes/FakePlatform.h"
#include "support/TestEnvironment.h"

class AutostartTest : public QObject {
    Q_OBJECT
    QString programDir() const { return isolateUserFolders() + "/program"; }
    QString autostartDir() const { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart"; }
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<AppDelegate> delegate; // its executable lives in programDir()

    void ship(const QByteArray& content, const QString& dir) {
        QDir().mkpath(dir);
        QFile f(dir + "/com.tarnwick.vorlane.desktop");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

private slots:
    void init() {
        QDir(programDir()).removeRecursively();
        QDir(autostartDir()).removeRecursively();
        fake = std::make_unique<FakePlatform>();
        fake->processes.executable = programDir() + "/vorlane";
        delegate = std::make_unique<AppDelegate>("x", fake->services());
    }

    void installReplaceAndRemove() {
        delegate->installLaunchAgent(); // nothing shipped
        QCOMPARE(fake->dialogs.alerts.takeFirst(),
                 "Installation Failed | The auto-start entry was not found. Looked for " +
                     programDir() + "/com.tarnwick.vorlane.desktop and " +
                     QDir::cleanPath(programDir() + "/../share/vorlane") +
                     "/com.tarnwick.vorlane.desktop.");
        ship("[Desktop Entry]\nName=new\n", programDir());
        QVERIFY(!delegate->isLaunchAgentInstalled());
        delegate->installLaunchAgent(); // the folder is made
        QVERIFY(delegate->isLaunchAgentInstalled());
        ship("[Desktop Entry]\nName=newer\n", programDir());
        delegate->installLaunchAgent();
        QCOMPARE(readFile(autostartDir() + "/com.tarnwick.vorlane.desktop"),
                 QByteArray("[Desktop Entry]\nName=newer\n"));
        delegate->uninstallLaunchAgent();
        QVERIFY(!delegate->isLaunchAgentInstalled());
        delegate->uninstallLaunchAgent(); // nothing installed: still said
        const QString installed =
            "Auto-Start Installed | Vorlane will start automatically at login.";
        const QString removed = "Auto-Start Removed | Vorlane will no longer start at login.";
        QCOMPARE(fake->dialogs.alerts, (QStringList{installed, installed, removed, removed}));
    }

    void shippedEntryIsValidAndStartsTheProgram() {
        const QString binary = qEnvironmentVariable("VORLANE_BINARY");
        const QString entry = QFileInfo(binary).path() + "/com.tarnwick.vorlane.desktop";
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        QVERIFY(validate.waitForFinished(10000));
        QCOMPARE(validate.exitCode(), 0);
        QCOMPARE(validate.readAll(), QByteArray()); // not even a hint
        QVERIFY(readFile(entry).contains("\nExec=\"" +
                                         QFileInfo(binary).absoluteFilePath().toUtf8() + "\"\n"));
    }
};

VORLANE_TEST_MAIN(AutostartTest)
#include "tst_autostart.moc"
