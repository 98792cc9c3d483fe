// The editing commands as a chosen menu item runs them, on fakes: what each
// stores, whether it saves, and whether it redraws or re-places the banner.
#include "banner/BannerPanel.h"
#include "fakes/FakePlatform.h"
#include "menus/MenuModel.h"
#include "settings/HexColor.h"
#include "support/TestEnvironment.h"

#include <QJsonDocument>
#include <QMenu>

// GCC 12 takes the std::optional members of the table's rows for
// uninitialised (a known false positive with initializer lists).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {
// The settings `base` with the keys of `patch` put in, as the store holds them.
QByteArray patched(const QByteArray& base, const QByteArray& patch) {
    QJsonObject o = QJsonDocument::fromJson(base).object();
    const QJsonObject p = QJsonDocument::fromJson(patch).object();
    for (auto it = p.begin(); it != p.end(); ++it) {
        if (it->isNull())
            o.remove(it.key());
        else
            o.insert(it.key(), *it);
    }
    return *BannerSettings::fromJsonBytes(QJsonDocument(o).toJson())->toJsonBytes();
}
} // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<CountingDelegate> delegate;
    QByteArray startSettings =
        R"({"text":"PRODUCTION","imagePath":"/a.png","screenName":"HDMI",)"
        "\"screenIndex\":1,\"textAlign\":\"left\",\"bgColorHex\":\"#123456\"}";

    QByteArray stored() const { return fake->preferences.entries.value("VorlaneSettings_x"); }

private slots:
    void init() {
        fake = std::make_unique<FakePlatform>();
        fake->screens.setLayout("eDP=1920x1080+0+0,HDMI=1280x1024+1920+0");
        fake->preferences.setData("VorlaneSettings_x", startSettings);
        delegate = std::make_unique<CountingDelegate>("x", fake->services());
        delegate->applicationDidFinishLaunching();
        fake->preferences.entries["VorlaneSettings_x"] = patched(startSettings, "{}");
        fake->preferences.writes = 0;
    }

    void commands() {
        using A = MenuAction;
        struct Row {
            MenuChoice choice;
            QByteArray change; // keys that change; empty: nothing at all
            QString followUp;  // "redraw" or "re-place"
        };
        for (const Row& r :
             {Row{{A::setBannerHeight, 96, {}}, R"({"bannerHeight":96,"fontSize":48})", "re-place"},
              Row{{A::setBannerHeight, 130, {}},
                  R"({"bannerHeight":130,"fontSize":64})",
                  "re-place"},
              Row{{A::setFontSize, 7, {}}, R"({"fontSize":7})", "redraw"}, // unchecked
              Row{{A::setOpacity, 50, {}}, R"({"opacity":0.5})", "redraw"},
              Row{{A::setScreen, 0, {}}, R"({"screenIndex":0,"screenName":"eDP"})", "re-place"},
              // A screen gone since the menu was built: the index only.
              Row{{A::setScreen, 2, {}}, R"({"screenIndex":2})", "re-place"},
              Row{{A::setBgColor, 0, "#abc"}, "{\"bgColorHex\":\"#abc\"}", "redraw"},
              Row{{A::setTextColor, 0, "YELLOW"}, R"({"textColorHex":"YELLOW"})", "redraw"},
              Row{{A::setBgColor, 0, {}}, "", ""}, // no payload
              Row{{A::setPosition, 0, "bottomLeft"}, R"({"position":"bottomLeft"})", "re-place"},
              Row{{A::setPosition, 0, "Top"}, "", ""}, // a display name, not a stored form
              Row{{A::setPosition, 0, {}}, "", ""},
              Row{{A::setTextAlign, 0, "right"}, R"({"textAlign":"right"})", "redraw"},
              Row{{A::setTextAlign, 0, "middle"}, "", ""},
              Row{{A::toggleCPU, 0, {}}, R"({"showCPU":false})", "redraw"},
              Row{{A::toggleMemory, 0, {}}, R"({"showMemory":false})", "redraw"},
              Row{{A::metricsAllOff, 0, {}}, R"({"showCPU":false,"showMemory":false})", "redraw"},
              Row{{A::removeImage, 0, {}}, R"({"imagePath":null})", "redraw"},
              // Reset keeps the screen's name.
              Row{{A::resetDefaults, 0, {}},
                  "{\"text\":\"Vorlane\",\"imagePath\":null,\"screenIndex\":0,"
                  "\"textAlign\":\"center\",\"bgColorHex\":\"#1a1a2e\"}",
                  "re-place"}}) {
            init();
            QPointer<BannerHostingView> view = delegate->panel()->hostingView();
            const int passes = delegate->passes;
            delegate->perform(r.choice);
            QCOMPARE(stored(), patched(startSettings, r.change)); // saved at once
            QCOMPARE(fake->preferences.writes, r.change.isEmpty() ? 0 : 1);
            QCOMPARE(delegate->panel()->hostingView() != view, !r.followUp.isEmpty());
            // Re-placing ends with a pass, as reserveSpace is on.
            QCOMPARE(delegate->passes - passes, r.followUp == "re-place" ? 1 : 0);
            QCOMPARE(delegate->panel()->geometry(), delegate->placement()->frame);
        }
    }

    void dialogs() {
        RecordingDialogs& d = fake->dialogs;
        delegate->perform({MenuAction::editText, 0, {}}); // cancelled
        QCOMPARE(fake->preferences.writes, 0);
        const TextPrompt& prompt = d.prompts.first();
        QCOMPARE(prompt.text, QStringLiteral("PRODUCTION"));
        QCOMPARE(QSize(prompt.fieldWidth, prompt.fieldHeight), QSize(300, 24));
        QCOMPARE(d.hostArea, QRect(1920, 0, 1280, 1024)); // the banner's screen
        d.answer = QString();
        delegate->perform({MenuAction::editText, 0, {}});
        QCOMPARE(delegate->settings().text, QString()); // empty is accepted

        // One colour dialog, retargeted: after "Custom..." for the text,
        // changes reach only the text colour, stored in upper case.
        delegate->perform({MenuAction::customBgColor, 0, {}});
        QCOMPARE(hexString(d.pickerColor), QStringLiteral("#123456"));
        d.picked(QColor(0xab, 0xcd, 0xef));
        delegate->perform({MenuAction::customTextColor, 0, {}});
        d.picked(QColor(0x1a, 0x1a, 0x2e));
        d.picked(QColor(0x10, 0x20, 0x30)); // every change while dragging
        QCOMPARE(delegate->settings().bgColorHex, QStringLiteral("#ABCDEF"));
        QCOMPARE(delegate->settings().textColorHex, QStringLiteral("#102030"));
        QCOMPARE(BannerSettings::load(fake->preferences, "x").textColorHex, "#102030");
        const auto picked = d.picked;
        delegate.reset();
        picked(Qt::red); // the delegate is gone: nothing happens

        fake->preferences.writes = 0;
        delegate = std::make_unique<CountingDelegate>("x", fake->services());
        delegate->applicationDidFinishLaunching();
        delegate->perform({MenuAction::addImage, 0, {}}); // cancelled
        d.imageFile = QStringLiteral("/pictures/logo one.tiff");
        delegate->perform({MenuAction::addImage, 0, {}});
        QCOMPARE(fake->preferences.writes, 1);
        QCOMPARE(delegate->settings().imagePath, d.imageFile);
    }

    void openMenuActsOnTheSettingsOfTheMoment() {
        const std::unique_ptr<QMenu> menu = delegate->buildContextMenu();
        QAction* showCpu = nullptr;
        for (QAction* a : menu->findChildren<QAction*>())
            showCpu = a->text() == "Show CPU" ? a : showCpu;
        QVERIFY(showCpu && showCpu->isChecked());
        delegate->settings().showCPU = false; // changed while the menu is open
        showCpu->trigger();
        QTRY_VERIFY(delegate->settings().showCPU);
        showCpu->trigger();
        delegate.reset(); // gone before the choice runs: nothing happens
        QTest::qWait(10);
        showCpu->trigger();
    }
};

VORLANE_TEST_MAIN(EditingCommandsTest)
#include "tst_editingcommands.moc"
