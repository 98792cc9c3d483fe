// Decoding and encoding of the settings document.
#include "settings/BannerSettings.h"

#include "support/TestEnvironment.h"
#include <QJsonDocument>

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

std::optional<BannerSettings> decode(const char* json) {
    return BannerSettings::fromJsonBytes(QByteArray(json));
}

} // namespace

class SettingsDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void storedFormsReadBack() {
        for (auto p : allBannerPositions)
            QCOMPARE(bannerPositionFromRaw(rawValue(p)), p);
        for (auto a : allTextAligns)
            QCOMPARE(textAlignFromRaw(rawValue(a)), a);
    }

    void newObjectIsCentredButMissingKeyIsLeft() {
        QCOMPARE(BannerSettings{}.textAlign, TextAlign::center);
        const auto decoded = decode("{}");
        QVERIFY(decoded);
        QCOMPARE(decoded->textAlign, TextAlign::left);
        QCOMPARE(decoded->text, QStringLiteral("Vorlane"));
        QCOMPARE(decoded->bgColorHex, QStringLiteral("#1a1a2e"));
        QCOMPARE(decoded->textColorHex, QStringLiteral("#00ff88"));
        QCOMPARE(decoded->fontSize, 13.0);
        QCOMPARE(decoded->opacity, 0.85);
        QCOMPARE(decoded->position, BannerPosition::top);
        QVERIFY(decoded->showCPU && decoded->showMemory && decoded->reserveSpace);
        QCOMPARE(decoded->imagePath, std::nullopt);
        QCOMPARE(decoded->bannerHeight, 28.0);
        QCOMPARE(decoded->screenIndex, 0);
        QCOMPARE(decoded->screenName, QString());
        QCOMPARE(decoded->instanceId, QStringLiteral("default"));
    }

    void rejected_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("display name as position") << QByteArray(R"({"position":"Top"})");
        QTest::newRow("unknown position") << QByteArray(R"({"position":"middle"})");
        QTest::newRow("position of wrong case") << QByteArray(R"({"position":"TopLeft"})");
        QTest::newRow("padded alignment") << QByteArray(R"({"textAlign":" left"})");
        QTest::newRow("font size as string") << QByteArray(R"({"fontSize":"13"})");
        QTest::newRow("flag as number") << QByteArray(R"({"showCPU":1})");
        QTest::newRow("flag as string") << QByteArray(R"({"reserveSpace":"true"})");
        QTest::newRow("fractional screen index") << QByteArray(R"({"screenIndex":1.5})");
        QTest::newRow("huge screen index") << QByteArray(R"({"screenIndex":1e30})");
        QTest::newRow("text as number") << QByteArray(R"({"text":5})");
        QTest::newRow("image path as object") << QByteArray(R"({"imagePath":{}})");
        QTest::newRow("screen name as array") << QByteArray(R"({"screenName":[]})");
        QTest::newRow("array document") << QByteArray(R"([1,2])");
        QTest::newRow("string document") << QByteArray(R"("top")");
        QTest::newRow("not JSON") << QByteArray("{text:");
        QTest::newRow("empty bytes") << QByteArray();
    }

    void rejected() {
        QFETCH(QByteArray, json);
        QCOMPARE(BannerSettings::fromJsonBytes(json), std::nullopt);
    }

    void accepted_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stored position") << QByteArray(R"({"position":"topLeft"})") << "position"
                                         << "topLeft";
        QTest::newRow("null alignment is left")
            << QByteArray(R"({"textAlign":null})") << "textAlign"
            << "left";
        QTest::newRow("integer font size") << QByteArray(R"({"fontSize":13})") << "fontSize"
                                           << "13";
        QTest::newRow("opacity out of range kept") << QByteArray(R"({"opacity":5})") << "opacity"
                                                   << "5";
        QTest::newRow("negative index kept") << QByteArray(R"({"screenIndex":-3})") << "screenIndex"
                                             << "-3";
        QTest::newRow("index written as 2.0")
            << QByteArray(R"({"screenIndex":2.0})") << "screenIndex"
            << "2";
        QTest::newRow("null image path") << QByteArray(R"({"imagePath":null})") << "imagePath"
                                         << "none";
        QTest::newRow("empty image path is a path")
            << QByteArray(R"({"imagePath":""})") << "imagePath"
            << "";
        QTest::newRow("instanceId key ignored")
            << QByteArray(R"({"instanceId":"other"})") << "instanceId"
            << "default";
        QTest::newRow("unknown key ignored") << QByteArray(R"({"colour":1,"text":"x"})") << "text"
                                             << "x";
        QTest::newRow("null text takes default") << QByteArray(R"({"text":null})") << "text"
                                                 << "Vorlane";
    }

    void accepted() {
        QFETCH(QByteArray, json);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        const auto s = BannerSettings::fromJsonBytes(json);
        QVERIFY(s);
        const QString actual = field == "position"      ? rawValue(s->position)
                               : field == "textAlign"   ? rawValue(s->textAlign)
                               : field == "fontSize"    ? QString::number(s->fontSize)
                               : field == "opacity"     ? QString::number(s->opacity)
                               : field == "screenIndex" ? QString::number(s->screenIndex)
                               : field == "imagePath"   ? s->imagePath.value_or("none")
                               : field == "instanceId"  ? s->instanceId
                                                        : s->text;
        QCOMPARE(actual, expected);
    }

    void encodesFourteenKeysWithoutImageOrIdentifier() {
        BannerSettings s;
        s.instanceId = QStringLiteral("ticker");
        const QJsonObject document = *s.toJson();
        QCOMPARE(document.size(), 13);
        QVERIFY(!document.contains("imagePath"));
        QVERIFY(!document.contains("instanceId"));
        QCOMPARE(document.value("textAlign").toString(), QStringLiteral("center"));
        QCOMPARE(document.value("position").toString(), QStringLiteral("top"));
        QVERIFY(document.value("showCPU").isBool());

        s.imagePath = QStringLiteral("/tmp/logo.png");
        QCOMPARE(s.toJson()->size(), 14);
        QVERIFY(!s.toJsonBytes()->contains('\n'));
    }

    void roundTripKeepsEveryFieldButIdentifier() {
        BannerSettings s;
        s.text = QStringLiteral("PRODUCTION \u00e9 \"quoted\"");
        s.bgColorHex = QStringLiteral("not a colour");
        s.textColorHex = QStringLiteral("#ABCDEF");
        s.fontSize = 17.25;
        s.opacity = -0.5;
        s.position = BannerPosition::bottomRight;
        s.showCPU = false;
        s.showMemory = false;
        s.imagePath = QStringLiteral("/home/u/a b.png");
        s.bannerHeight = 0;
        s.screenIndex = std::numeric_limits<qint64>::max();
        s.screenName = QStringLiteral("HDMI-1");
        s.reserveSpace = false;
        s.textAlign = TextAlign::right;
        s.instanceId = QStringLiteral("work");

        auto back = BannerSettings::fromJsonBytes(*s.toJsonBytes());
        QVERIFY(back);
        QCOMPARE(back->instanceId, QStringLiteral("default"));
        back->instanceId = s.instanceId;
        QCOMPARE(back->toJsonBytes(), s.toJsonBytes());
        QCOMPARE(back->screenIndex, s.screenIndex);
        QCOMPARE(back->imagePath, s.imagePath);
    }

    void nonFiniteNumberCannotBeEncoded() {
        BannerSettings s;
        s.opacity = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(s.toJsonBytes(), std::nullopt);
        s.opacity = 1;
        s.fontSize = INFINITY;
        QCOMPARE(s.toJsonBytes(), std::nullopt);
    }
};

VORLANE_TEST_GUILESS_MAIN(SettingsDocumentTest)
#include "tst_settingsdocument.moc"
