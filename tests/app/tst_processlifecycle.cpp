// The real vorlane binary (offscreen platform): ended by a signal, it still
// saves its settings and exits cleanly.
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <csignal>

class ProcessLifecycleTest : public QObject {
    Q_OBJECT
    QString m_home;

    QString storeFile() const { return m_home + "/.config/vorlane/vorlane.conf"; }

    QByteArray storedEntry(const QString& key) const {
        QSettings raw(storeFile(), QSettings::IniFormat);
        return raw.value(key).toByteArray();
    }

    // Starts the banner, waits until it has started up, sends the signal and
    // returns the exit code.
    int runAndSignal(const QStringList& arguments, int signalNumber) {
        QProcess banner;
        banner.setProcessChannelMode(QProcess::ForwardedChannels);
        banner.start(qEnvironmentVariable("VORLANE_BINARY"), arguments);
        if (!banner.waitForStarted())
            return -1;
        QTest::qWait(1500);
        ::kill(static_cast<pid_t>(banner.processId()), signalNumber);
        if (!banner.waitForFinished(10000))
            return -2;
        return banner.exitStatus() == QProcess::NormalExit ? banner.exitCode() : -3;
    }

private slots:
    void initTestCase() { m_home = isolateUserFolders(); }
    void init() { QFile::remove(storeFile()); }

    void signalEndsInOrder_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalEndsInOrder() {
        QFETCH(int, signalNumber);
        QCOMPARE(runAndSignal({"ticker"}, signalNumber), 0);
        const QByteArray entry = storedEntry("VorlaneSettings_ticker");
        QVERIFY2(!entry.isEmpty(), "the termination hook saved nothing");
        QVERIFY(entry.contains(R"("textAlign":"center")"));
        QVERIFY(!entry.contains("imagePath"));
        QVERIFY(!entry.contains("instanceId"));
    }

    void noArgumentIsDefault() {
        QCOMPARE(runAndSignal({}, SIGTERM), 0);
        QVERIFY(!storedEntry("VorlaneSettings_default").isEmpty());
    }

    void unusableEntryRunsWithDefaultsAndIsOverwritten() {
        {
            QSettings raw(storeFile(), QSettings::IniFormat);
            raw.setValue("VorlaneSettings_ticker", QByteArray(R"({"position":"Top","text":"x"})"));
        }
        QCOMPARE(runAndSignal({"ticker"}, SIGTERM), 0);
        const QByteArray entry = storedEntry("VorlaneSettings_ticker");
        QVERIFY(entry.contains(R"("position":"top")"));
        QVERIFY(entry.contains(R"("text":"Vorlane")"));
    }
};

VORLANE_TEST_GUILESS_MAIN(ProcessLifecycleTest)
#include "tst_processlifecycle.moc"
