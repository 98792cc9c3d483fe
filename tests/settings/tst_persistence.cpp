// Settings in the real preferences store, under a temporary XDG_CONFIG_HOME.
#include "platform/QSettingsPreferencesStore.h"
#include "settings/BannerSettings.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class PersistenceTest : public QObject {
    Q_OBJECT
    QString m_home;
    QString storeFile() const { return m_home + "/.config/vorlane/vorlane.conf"; }

private slots:
    void initTestCase() { m_home = isolateUserFolders(); }
    void init() { QFile::remove(storeFile()); }

    void keyIsPrefixAndIdentifier() {
        QCOMPARE(BannerSettings::settingsKey("default"), QStringLiteral("VorlaneSettings_default"));
        QCOMPARE(BannerSettings::settingsKey(""), QStringLiteral("VorlaneSettings_"));
        BannerSettings s;
        s.instanceId = QStringLiteral("a b");
        QCOMPARE(s.settingsKey(), QStringLiteral("VorlaneSettings_a b"));
    }

    void everyIdentifierHasItsOwnEntry() {
        // Identifiers that a naive use of QSettings would fold together.
        const QStringList ids{"",   " ",   "  ",   "default", "Default", "a/b",         "a//b",
                              "a/", "/a",  "a\\b", "a%2Fb",   "a%b",     "\u00e9",      "e\u0301",
                              "=",  "[x]", "a;b",  "#",       "General", "\u65e5\u672c"};
        QSettingsPreferencesStore store;
        for (const QString& id : ids) {
            BannerSettings s;
            s.instanceId = id;
            s.text = QStringLiteral("text of <%1>").arg(id);
            s.save(store);
        }
        QSettingsPreferencesStore otherProcessView;
        for (const QString& id : ids) {
            const BannerSettings loaded = BannerSettings::load(otherProcessView, id);
            QCOMPARE(loaded.instanceId, id);
            QCOMPARE(loaded.text, QStringLiteral("text of <%1>").arg(id));
        }
    }

    void storeLivesUnderXdgConfigHome() {
        QSettingsPreferencesStore store;
        BannerSettings{}.save(store);
        QVERIFY(QFile::exists(storeFile()));
    }

    void saveIsVisibleToAnotherReaderAtOnce() {
        QSettingsPreferencesStore writer;
        QSettingsPreferencesStore reader;
        BannerSettings s;
        s.instanceId = QStringLiteral("ticker");
        s.fontSize = 20;
        s.save(writer);
        QCOMPARE(BannerSettings::load(reader, "ticker").fontSize, 20.0);
        s.fontSize = 21;
        s.save(writer);
        QCOMPARE(BannerSettings::load(reader, "ticker").fontSize, 21.0);
        // And what the file holds is the compact document as a byte string.
        QSettings raw(storeFile(), QSettings::IniFormat);
        const QVariant value = raw.value("VorlaneSettings_ticker");
        QCOMPARE(value.typeId(), QMetaType::QByteArray);
        QVERIFY(value.toByteArray().startsWith("{\""));
    }

    void unusableEntriesGiveDefaultsWithoutWriting_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("unknown position")
            << QVariant(QByteArray(R"({"position":"Top","text":"kept?"})"));
        QTest::newRow("not JSON") << QVariant(QByteArray("\x01\x02garbage"));
        QTest::newRow("JSON array") << QVariant(QByteArray("[]"));
        QTest::newRow("a string, not bytes") << QVariant(QStringLiteral(R"({"text":"x"})"));
        QTest::newRow("a number") << QVariant(42);
    }

    void unusableEntriesGiveDefaultsWithoutWriting() {
        QFETCH(QVariant, stored);
        {
            QSettings raw(storeFile(), QSettings::IniFormat);
            raw.setValue("VorlaneSettings_bad", stored);
        }
        const QByteArray before = [&] {
            QFile f(storeFile());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QSettingsPreferencesStore store;
        BannerSettings s = BannerSettings::load(store, "bad");
        QCOMPARE(s.instanceId, QStringLiteral("bad"));
        QCOMPARE(s.text, QStringLiteral("Vorlane"));
        QCOMPARE(s.textAlign, TextAlign::center);
        QFile after(storeFile());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);

        // The next save replaces the entry.
        s.save(store);
        QCOMPARE(BannerSettings::load(store, "bad").textAlign, TextAlign::center);
    }

    void missingAlignmentLoadsLeftAndIsThenWritten() {
        QSettingsPreferencesStore store;
        store.setData("VorlaneSettings_old", R"({"text":"old"})");
        const BannerSettings s = BannerSettings::load(store, "old");
        QCOMPARE(s.textAlign, TextAlign::left);
        s.save(store);
        QVERIFY(store.data("VorlaneSettings_old")->contains(R"("textAlign":"left")"));
    }

    void neverSavedIdentifierWritesNothing() {
        QSettingsPreferencesStore store;
        QCOMPARE(BannerSettings::load(store, "fresh").instanceId, QStringLiteral("fresh"));
        QVERIFY(!QFile::exists(storeFile()));
    }
};

VORLANE_TEST_GUILESS_MAIN(PersistenceTest)
#include "tst_persistence.moc"
