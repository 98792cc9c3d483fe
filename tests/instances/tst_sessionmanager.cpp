// The session document: reading with its fallback, and the changes made to it.
#include "instances/SessionManager.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class SessionManagerTest : public QObject {
    Q_OBJECT
    QString m_dir;
    QString file() const { return m_dir + "/vorlane/session.json"; }

    void write(const QByteArray& content) {
        QDir().mkpath(m_dir + "/vorlane");
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QByteArray read() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

private slots:
    void init() {
        m_dir = isolateUserFolders() + "/session-test";
        QDir(m_dir).removeRecursively();
    }

    void pathFollowsXdgConfigHome() {
        QCOMPARE(SessionManager::defaultSessionFile(),
                 qEnvironmentVariable("XDG_CONFIG_HOME") + "/vorlane/session.json");
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        const QStringList fallback{"default"};
        QTest::newRow("missing") << QByteArray("<none>") << fallback;
        QTest::newRow("empty file") << QByteArray("") << fallback;
        QTest::newRow("not JSON") << QByteArray("instances: ticker") << fallback;
        QTest::newRow("array") << QByteArray(R"(["ticker"])") << fallback;
        QTest::newRow("no key") << QByteArray(R"({"banners":["ticker"]})") << fallback;
        QTest::newRow("not an array") << QByteArray(R"({"instances":"ticker"})") << fallback;
        QTest::newRow("a number inside") << QByteArray(R"({"instances":["a",1]})") << fallback;
        QTest::newRow("empty list") << QByteArray(R"({"instances":[]})") << fallback;
        QTest::newRow("order and duplicates kept")
            << QByteArray(R"({"instances":["ticker","default","ticker"],"v":2})")
            << QStringList{"ticker", "default", "ticker"};
        QTest::newRow("spaces kept")
            << QByteArray(R"( {"instances":[" side info "]} )") << QStringList{" side info "};
    }

    void reading() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        if (content != "<none>")
            write(content);
        QCOMPARE(SessionManager(file()).load(), expected);
    }

    void changes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first start of ticker")
            << QByteArray("<none>") << "add"
            << "ticker" << QByteArray(R"({"instances":["default","ticker"]})");
        QTest::newRow("first start of default")
            << QByteArray("<none>") << "add"
            << "default" << QByteArray(R"({"instances":["default"]})");
        QTest::newRow("damaged document rewritten")
            << QByteArray("{garbage") << "add"
            << "ticker" << QByteArray(R"({"instances":["default","ticker"]})");
        QTest::newRow("wrong-typed document rewritten")
            << QByteArray(R"({"instances":{"a":1}})") << "add"
            << "default" << QByteArray(R"({"instances":["default"]})");
        QTest::newRow("listed already: normal form")
            << QByteArray("{ \"instances\" : [ \"a\" , \"b\" ] }\n") << "add"
            << "a" << QByteArray(R"({"instances":["a","b"]})");
        QTest::newRow("spaces are not trimmed")
            << QByteArray(R"({"instances":["ticker"]})") << "add"
            << " ticker" << QByteArray(R"({"instances":["ticker"," ticker"]})");
        QTest::newRow("canonically equal is listed")
            << QByteArray("{\"instances\":[\"caf\xc3\xa9\"]}") << "add"
            << QString::fromUtf8("cafe\xcc\x81") << QByteArray("{\"instances\":[\"caf\xc3\xa9\"]}");
        QTest::newRow("remove the only one")
            << QByteArray(R"({"instances":["ticker"]})") << "remove"
            << "ticker" << QByteArray(R"({"instances":[]})");
        QTest::newRow("remove every occurrence")
            << QByteArray(R"({"instances":["a","x","b","x"]})") << "remove"
            << "x" << QByteArray(R"({"instances":["a","b"]})");
        QTest::newRow("remove canonically equal")
            << QByteArray("{\"instances\":[\"a\",\"cafe\xcc\x81\"]}") << "remove"
            << QString::fromUtf8("caf\xc3\xa9") << QByteArray(R"({"instances":["a"]})");
        QTest::newRow("remove from no document")
            << QByteArray("<none>") << "remove"
            << "ticker" << QByteArray(R"({"instances":["default"]})");
    }

    void changes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, operation);
        QFETCH(QString, id);
        QFETCH(QByteArray, after);
        if (before != "<none>")
            write(before);
        const SessionManager session(file());
        if (operation == "add")
            session.addInstance(id);
        else
            session.removeInstance(id);
        QCOMPARE(read(), after);
        // Nothing is left behind: no temporary file; the lock is released.
        QCOMPARE(QDir(m_dir + "/vorlane").entryList(QDir::Files), QStringList{"session.json"});
    }

    void saveReportsFailure() {
        // The folder cannot be made: a file stands where it should be.
        QDir().mkpath(m_dir);
        QFile blocker(m_dir + "/vorlane");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const auto error = SessionManager(file()).save({"a"});
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
    }

    void saveWritesCompactWithoutNewline() {
        QCOMPARE(SessionManager(file()).save({"default", "ticker"}), std::nullopt);
        QCOMPARE(read(), QByteArray(R"({"instances":["default","ticker"]})"));
    }
};

VORLANE_TEST_GUILESS_MAIN(SessionManagerTest)
#include "tst_sessionmanager.moc"
