// The context and tray menus as data (rows, check marks and payloads for a
// few settings, screens, running banners and auto-start states), and the
// editing commands as a chosen item runs them, on fakes: what each stores,
// whether it saves, and whether it redraws or re-places the banner.
#include "banner/BannerPanel.h"
#include "fakes/FakePlatform.h"
#include "menus/MenuModel.h"
#include "menus/MenuRenderer.h"
#include "platform/QtDialogs.h"
#include "settings/HexColor.h"
#include "support/TestEnvironment.h"

#include <QColorDialog>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
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

// Every row as "path/title", with " ✓" when checked and " (off)" when it
// cannot be chosen; separators as "-".
QStringList rows(const MenuItem& menu, const QString& path = {}, bool deep = true) {
    QStringList out;
    for (const MenuItem& item : menu.items) {
        if (item.kind == MenuItem::Kind::separator) {
            out << path + "-";
            continue;
        }
        out << path + item.title + (item.checked ? " ✓" : "") + (item.enabled ? "" : " (off)");
        if (deep)
            out << rows(item, path + item.title + "/");
    }
    return out;
}

QStringList checked(const MenuItem& menu) {
    return rows(menu).filter(" ✓");
}

MenuItem model(const QByteArray& json, const QString& layout, bool autostart,
               const QStringList& running = QStringList()) {
    static BannerSettings s; // the model refers to it
    s = *BannerSettings::fromJsonBytes(json);
    return contextMenuModel({s, screenLayout(layout), running, autostart, "x"});
}
} // namespace

class MenusTest : public QObject {
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
        // The keys that change (empty: nothing at all), then "redraw" or "re-place".
        for (const auto& [choice, change, followUp] :
             std::initializer_list<std::tuple<MenuChoice, QByteArray, QString>>{
                 {{A::setBannerHeight, 96, {}}, R"({"bannerHeight":96,"fontSize":48})", "re-place"},
                 {{A::setFontSize, 7, {}}, R"({"fontSize":7})", "redraw"}, // unchecked
                 {{A::setOpacity, 50, {}}, R"({"opacity":0.5})", "redraw"},
                 {{A::setScreen, 0, {}}, R"({"screenIndex":0,"screenName":"eDP"})", "re-place"},
                 // A screen gone since the menu was built: the index only.
                 {{A::setScreen, 2, {}}, R"({"screenIndex":2})", "re-place"},
                 {{A::setBgColor, 0, "#abc"}, "{\"bgColorHex\":\"#abc\"}", "redraw"},
                 {{A::setTextColor, 0, "YELLOW"}, R"({"textColorHex":"YELLOW"})", "redraw"},
                 {{A::setBgColor, 0, {}}, "", ""}, // no payload
                 {{A::setPosition, 0, "bottomLeft"}, R"({"position":"bottomLeft"})", "re-place"},
                 {{A::setPosition, 0, "Top"}, "", ""}, // a display name, not a stored form
                 {{A::setPosition, 0, {}}, "", ""},
                 {{A::setTextAlign, 0, "right"}, R"({"textAlign":"right"})", "redraw"},
                 {{A::setTextAlign, 0, "middle"}, "", ""},
                 {{A::toggleCPU, 0, {}}, R"({"showCPU":false})", "redraw"},
                 {{A::toggleMemory, 0, {}}, R"({"showMemory":false})", "redraw"},
                 {{A::metricsAllOff, 0, {}}, R"({"showCPU":false,"showMemory":false})", "redraw"},
                 {{A::removeImage, 0, {}}, R"({"imagePath":null})", "redraw"},
                 // Reset keeps the screen's name.
                 {{A::resetDefaults, 0, {}},
                  "{\"text\":\"Vorlane\",\"imagePath\":null,\"screenIndex\":0,"
                  "\"textAlign\":\"center\",\"bgColorHex\":\"#1a1a2e\"}",
                  "re-place"}}) {
            init();
            QPointer<BannerHostingView> view = delegate->panel()->hostingView();
            const int passes = delegate->passes;
            delegate->perform(choice);
            QCOMPARE(stored(), patched(startSettings, change)); // saved at once
            QCOMPARE(fake->preferences.writes, change.isEmpty() ? 0 : 1);
            QCOMPARE(delegate->panel()->hostingView() != view, !followUp.isEmpty());
            // Re-placing ends with a pass, as reserveSpace is on.
            QCOMPARE(delegate->passes - passes, followUp == "re-place" ? 1 : 0);
            QCOMPARE(delegate->panel()->geometry(), delegate->placement()->frame);
        }
        init();
        delegate->perform({A::metricsAllOff, 0, {}});
        const QPointer<BannerHostingView> off = delegate->panel()->hostingView();
        delegate->perform({A::metricsAllOn, 0, {}}); // both back, redrawn
        QVERIFY(delegate->panel()->hostingView() != off);
        QCOMPARE(stored(), patched(startSettings, "{}"));
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

        const int writes = fake->preferences.writes;
        delegate->perform({MenuAction::addImage, 0, {}}); // cancelled
        d.imageFile = QStringLiteral("/pictures/logo one.tiff");
        const QPointer<BannerHostingView> view = delegate->panel()->hostingView();
        delegate->perform({MenuAction::addImage, 0, {}});
        QVERIFY(delegate->panel()->hostingView() != view); // redrawn
        QCOMPARE(fake->preferences.writes, writes + 1);
        QCOMPARE(delegate->settings().imagePath, d.imageFile);

        // One colour dialog, retargeted: after "Custom..." for the text,
        // changes reach only the text colour, stored in upper case.
        delegate->perform({MenuAction::customBgColor, 0, {}});
        QCOMPARE(hexString(d.pickerColor), QStringLiteral("#123456"));
        const QPointer<BannerHostingView> shown = delegate->panel()->hostingView();
        d.picked(QColor(0xab, 0xcd, 0xef));
        QVERIFY(delegate->panel()->hostingView() != shown); // redrawn at once
        delegate->perform({MenuAction::customTextColor, 0, {}});
        d.picked(QColor(0x1a, 0x1a, 0x2e));
        d.picked(QColor(0x10, 0x20, 0x30)); // every change while dragging
        QCOMPARE(delegate->settings().bgColorHex, QStringLiteral("#ABCDEF"));
        QCOMPARE(BannerSettings::load(fake->preferences, "x").textColorHex, "#102030");
        const auto picked = d.picked;
        delegate.reset();
        picked(Qt::red); // the delegate is gone: nothing happens
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

    // Qt's own dialogs, as a person answers them.
    void realDialogs() {
        QtDialogs dialogs{QIcon()};
        const auto answer = [&](const QString& typed, const QString& button) {
            QTimer::singleShot(0, [=] {
                QWidget* dialog = QApplication::activeModalWidget();
                dialog->findChild<QLineEdit*>()->setText(typed);
                for (QPushButton* b : dialog->findChildren<QPushButton*>())
                    b->text() == button ? b->click() : void();
            });
            return dialogs.askText({"Edit Banner Text", "", "OK", "Cancel", "old", "", 300, 24});
        };
        QCOMPARE(answer("PRODUCTION", "OK"), QStringLiteral("PRODUCTION"));
        QCOMPARE(answer("lost", "Cancel"), std::nullopt);

        // Every colour shown applies at once; Cancel gives the first one back,
        // also after a retarget (where showing the new target's colour is no pick).
        QStringList background, text;
        dialogs.showColorPicker(Qt::red, [&](const QColor& c) { background << c.name(); });
        QColorDialog* picker = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            picker = picker ? picker : qobject_cast<QColorDialog*>(w);
        QVERIFY(picker);
        picker->setCurrentColor(Qt::blue);
        picker->reject();
        QCOMPARE(background, (QStringList{"#0000ff", "#ff0000"}));
        dialogs.showColorPicker(Qt::green, [&](const QColor& c) { text << c.name(); });
        picker->setCurrentColor(Qt::yellow);
        picker->accept();
        QCOMPARE(text, QStringList{"#ffff00"});
        QCOMPARE(background.size(), 2);
    }

    void checkMarks() {
        struct Row {
            QByteArray settings;
            QString layout;
            bool autostart;
            QStringList expected;
        };
        for (const Row& r :
             {Row{*BannerSettings{}.toJsonBytes(),
                  "1920x1080+0+0",
                  false,
                  {"Banner Size: 28 pt/28 pt (font: 13) ✓", "Background Color/Dark Blue ✓",
                   "Text Color/Green ✓", "Font Size/13 pt ✓", "Text Alignment/Center ✓",
                   "Position/Top ✓", "Display/Display 0: Screen 0 ✓", "Reserve Screen Space ✓",
                   "Metrics/Show CPU ✓", "Metrics/Show Memory ✓"}}, // opacity 0.85: no item
              // A shared preset, an opacity near 70%, the second screen, auto-start on.
              Row{"{\"bannerHeight\":40,\"fontSize\":20,\"bgColorHex\":\"#000000\","
                  "\"opacity\":0.705,\"screenIndex\":1,\"reserveSpace\":false,\"showCPU\":false,"
                  "\"textAlign\":\"right\",\"position\":\"bottomLeft\",\"textColorHex\":\"#"
                  "4488FF\"}",
                  "eDP=1920x1080+0+0,DELL U2720Q=2560x1440+1920+0",
                  true,
                  {"Banner Size: 40 pt/40 pt (font: 20) ✓", "Background Color/Black ✓",
                   "Background Color/Transparent ✓", "Text Color/Blue ✓", "Font Size/20 pt ✓",
                   "Text Alignment/Right ✓", "Opacity/70% ✓", "Position/Bottom Left ✓",
                   "Display/Display 1: DELL U2720Q ✓", "Metrics/Show Memory ✓",
                   "Banners/Auto-Start at Login (installed) ✓ (off)"}},
              // Values outside the lists, an upper-case preset, no screens.
              Row{"{\"bannerHeight\":50.9,\"fontSize\":15,\"bgColorHex\":\"#1A1A2E\","
                  "\"opacity\":0.75,\"screenIndex\":7,\"textAlign\":\"left\","
                  "\"showMemory\":false,\"textColorHex\":\"#FFFFFF\"}",
                  "",
                  false,
                  {"Text Color/White ✓", "Text Alignment/Left ✓", "Position/Top ✓",
                   "Reserve Screen Space ✓", "Metrics/Show CPU ✓"}}})
            QCOMPARE(checked(model(r.settings, r.layout, r.autostart)), r.expected);
    }

    void shape() {
        const MenuItem menu = model(R"({"bannerHeight":50.9,"imagePath":""})",
                                    "Built-in Retina Display=1440x900+0+0,HDMI-1=800x600+1440+0",
                                    false, {"  ticker (PID 4242)", "  50%1off (PID 7)"});
        QCOMPARE(menu.title, QStringLiteral("Banner Settings"));
        QCOMPARE(rows(menu, {}, false).replaceInStrings(" ✓", "").join(" | "),
                 "Banner Size: 50 pt | Edit Text... | - | Background Color | Text Color | "
                 "Font Size | Text Alignment | Opacity | - | Position | Display | "
                 "Reserve Screen Space | - | Metrics | - | Add Image... | Remove Image | - | "
                 "Banners | - | Reset to Defaults | Quit This Banner | Quit All Banners");
        QCOMPARE(rows(*menu.find("Banners")),
                 (QStringList{
                     "Current: x (off)", "-", "Running Banners: (off)", "  ticker (PID 4242) (off)",
                     "  50%1off (PID 7) (off)", "-", "New Banner...", "Quick Launch",
                     "Quick Launch/New on Built-in Retina Display", "Quick Launch/New on HDMI-1",
                     "Quick Launch/-", "Quick Launch/Restore Saved Session",
                     "Quick Launch/Save Current Session", "-", "Install Auto-Start at Login"}));
        QCOMPARE(rows(*menu.find("Metrics")),
                 (QStringList{"Show CPU ✓", "Show Memory ✓", "-", "All On", "All Off"}));
        QVERIFY(!model("{}", "", false).find("Remove Image"));

        // What the commands read: numbers in the tag, strings in the payload.
        const auto choice = [&](const QString& title) { return menu.find(title)->choice; };
        QCOMPARE(choice("120 pt"), (MenuChoice{MenuAction::setBannerHeight, 120, {}}));
        QCOMPARE(choice("70%"), (MenuChoice{MenuAction::setOpacity, 70, {}}));
        QCOMPARE(choice("Display 1: HDMI-1"), (MenuChoice{MenuAction::setScreen, 1, {}}));
        QCOMPARE(choice("Top Right"), (MenuChoice{MenuAction::setPosition, 0, "topRight"}));
        QCOMPARE(choice("Center"), (MenuChoice{MenuAction::setTextAlign, 0, "center"}));
        QCOMPARE(choice("Dark Red"), (MenuChoice{MenuAction::setBgColor, 0, "#2e1a1a"}));
        QCOMPARE(choice("New on Built-in Retina Display"),
                 (MenuChoice{MenuAction::quickLaunchOnDisplay, 0, "built-in-retina-display"}));
        QCOMPARE(model("{}", "", true).find("Remove Auto-Start")->choice.action,
                 MenuAction::uninstallLaunchAgent);
        // The tray menu's rows and choices: the tray's desktop test.
        const auto tray = renderMenu(statusMenuModel(), [](const MenuChoice&) {});
        QCOMPARE(tray->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    void numbersInTitlesAndHeights() {
        QCOMPARE(wholeNumber(50.9), QStringLiteral("50"));
        QCOMPARE(wholeNumber(-0.5), QStringLiteral("0"));
        QCOMPARE(wholeNumber(1e300).size(), 301);
        QCOMPARE(wholeNumber(qInf()), QStringLiteral("0"));
        for (auto [height, font] :
             {std::pair{24, 12}, {25, 13}, {96, 48}, {120, 60}, {130, 64}, {16, 10}})
            QCOMPARE(fontSizeForHeight(height), double(font));
    }
};

VORLANE_TEST_MAIN(MenusTest)
#include "tst_menus.moc"
