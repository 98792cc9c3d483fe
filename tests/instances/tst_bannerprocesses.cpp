// Many real banner processes at once (on the offscreen platform): all
// register, they are found by their executable, they end in order, and a
// saved session starts again.
#include "fakes/FakePlatform.h"
#include "instances/SessionManager.h"
#include "platform/ProcFsProcesses.h"
#include "support/TestEnvironment.h"

#include <QSettings>

#include <csignal>

namespace {

QString binary() {
    return qEnvironmentVariable("VORLANE_BINARY");
}

// The banners of this test: other tests may run banners at the same time,
// each with a config folder of its own.
QList<BannerProcess> ourBanners() {
    const QByteArray ours = "XDG_CONFIG_HOME=" + qgetenv("XDG_CONFIG_HOME");
    QList<BannerProcess> banners;
    for (const BannerProcess& p :
         ProcFsProcesses(binary()).bannerProcesses().value_or(QList<BannerProcess>{})) {
        QFile environ(QStringLiteral("/proc/%1/environ").arg(p.pid));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(ours))
            banners.append(p);
    }
    return banners;
}

QStringList runningIds() {
    QStringList ids;
    for (const BannerProcess& p : ourBanners())
        ids.append(p.arguments.value(1, "default"));
    ids.sort();
    return ids;
}

QByteArray sessionDocument() {
    return readFile(SessionManager::defaultSessionFile());
}

} // namespace

class BannerProcessesTest : public QObject {
    Q_OBJECT
    QList<QProcess*> children;

    QProcess* start(const QString& program, const QStringList& arguments) {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(program, arguments);
        children.append(p);
        return p;
    }

private slots:
    void init() { QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively(); }

    void cleanup() {
        for (QProcess* p : std::as_const(children)) {
            p->terminate();
            p->waitForFinished(5000);
        }
        qDeleteAll(children);
        children.clear();
        for (const BannerProcess& p : ourBanners())
            ::kill(pid_t(p.pid), SIGTERM);
        QTRY_VERIFY(runningIds().isEmpty());
    }

    void twentyStartedAtOnceAreAllRegistered() {
        QStringList ids;
        for (int i = 0; i < 20; ++i) {
            ids.append(QStringLiteral("banner %1").arg(i));
            start(binary(), {ids.last()});
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QStringList listed = SessionManager().load();
                return std::all_of(ids.begin(), ids.end(),
                                   [&](const QString& id) { return listed.contains(id); });
            }(),
            30000);
        QCOMPARE(SessionManager().load().size(), 21); // and "default", from the fallback
    }

    void bannersAreFoundByTheirExecutableAndEndInOrder() {
        start(binary(), {"ticker"});
        start(binary(), {"side info"});
        start(binary(), {});
        // Decoys: a command line holding the name, and an editor-like
        // process with a file named after the program open.
        QProcess* decoy = start("bash", {"-c", "exec -a vorlane sleep 60"});
        QFile named(isolateUserFolders() + "/vorlane");
        QVERIFY(named.open(QIODevice::WriteOnly));
        named.close();
        QProcess* editor = start("tail", {"-f", named.fileName()});
        QTRY_COMPARE_WITH_TIMEOUT(runningIds(), (QStringList{"default", "side info", "ticker"}),
                                  10000);
        QTRY_COMPARE(SessionManager().load().size(), 3);
        const QByteArray document = sessionDocument();

        // What "Quit All Banners" does to the others: SIGTERM to each banner.
        ProcFsProcesses processes(binary());
        QVERIFY(processes.bannerProcesses().has_value());
        for (const BannerProcess& banner : ourBanners())
            processes.terminate(banner.pid);
        for (QProcess* p : children.mid(0, 3)) {
            QVERIFY(p->waitForFinished(5000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(decoy->state(), QProcess::Running);
        QCOMPARE(editor->state(), QProcess::Running);
        QCOMPARE(sessionDocument(), document); // all still listed
        // Each saved its settings as it ended.
        QSettings store(qEnvironmentVariable("XDG_CONFIG_HOME") + "/vorlane/vorlane.conf",
                        QSettings::IniFormat);
        for (const QString key :
             {"VorlaneSettings_ticker", "VorlaneSettings_side info", "VorlaneSettings_default"})
            QVERIFY2(store.value(key).toByteArray().startsWith("{"), qPrintable(key));
    }

    void restoreStartsOneProcessPerListedIdentifier() {
        SessionManager().save({"default", "ticker", "default", "side info"});
        FakePlatform fake;
        ProcFsProcesses processes(binary());
        AppDelegate delegate("restorer", {fake.preferences, fake.stats, fake.screens, fake.windows,
                                          processes, fake.dialogs});
        delegate.restoreSession();
        QVERIFY(fake.dialogs.alerts.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(
            runningIds(), (QStringList{"default", "default", "side info", "ticker"}), 10000);
    }
};

VORLANE_TEST_MAIN(BannerProcessesTest)
#include "tst_bannerprocesses.moc"
