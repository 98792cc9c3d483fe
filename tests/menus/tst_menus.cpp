// The context and tray menus as data (rows, check marks, payloads), and the
// editing commands as a chosen item runs them, on fakes: what each stores,
// whether it saves, and whether it redraws or re-places the banner.
#include "banner/Banner.h"
#include "banner/BannerView.h"
#include "fakes/FakePlatform.h"
#include "instances/RunningBanners.h"
#include "menus/MenuModel.h"
#include "menus/MenuRenderer.h"
#include "platform/QtDialogs.h"
#include "settings/HexColor.h"
#include "spaceguard/StripGuard.h"
#include "support/Choose.h"
#include "support/TestEnvironment.h"
#include "tray/TrayIcon.h"

#include <QColorDialog>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

// GCC 12 takes the table rows' std::optional members for uninitialised (a false positive).
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
    std::unique_ptr<BannerApp> app;
    QByteArray startSettings =
        R"({"text":"PRODUCTION","imagePath":"/a.png","screenName":"HDMI",)"
        "\"screenIndex\":1,\"textAlign\":\"left\",\"bgColorHex\":\"#123456\"}";

    QByteArray stored() const { return fake->preferences.entries.value("VorlaneSettings_x"); }
    static QStringList checked(const MenuItem& menu) { return rows(menu).filter(" ✓"); }
    int layouts() const { return app->banner().window()->view()->layouts(); }

private slots:
    void init() {
        fake = std::make_unique<FakePlatform>();
        fake->screens.setLayout("eDP=1920x1080+0+0,HDMI=1280x1024+1920+0");
        fake->windows.others.root = {3200, 1080};
        (void)fake->preferences.write("VorlaneSettings_x", patched(startSettings, "{}"));
        app = std::make_unique<BannerApp>("x", fake->services());
        app->start();
        app->guard()->stop(); // passes come from the commands only
        fake->preferences.writes = 0;
        fake->windows.others.passes = 0;
    }

    void commands() {
        // A row chosen by its titles, or a command no row offers (a value from
        // elsewhere, a screen gone); the keys that change (empty: nothing at
        // all), then what follows: "redraw",
        // "re-place" (ends with a pass: reserveSpace is on) or "strut" (no pass).
        struct Row {
            QString path;
            std::optional<Command> command;
            QByteArray change;
            QString followUp;
            std::optional<QString> answer = {}; // typed or chosen in a dialog; none: cancelled
        };
        for (const Row& r : std::initializer_list<Row>{
                 {"Banner Size: 28 pt > 96 pt",
                  {},
                  R"({"bannerHeight":96,"fontSize":48})",
                  "re-place"},
                 {"Font Size > 20 pt", {}, R"({"fontSize":20})", "redraw"},
                 {"", edit::SetFontSize{7}, R"({"fontSize":7})", "redraw"},
                 {"Opacity > 50%", {}, R"({"opacity":0.5})", "redraw"},
                 {"Display > Display 0: eDP",
                  {},
                  R"({"screenIndex":0,"screenName":"eDP"})",
                  "re-place"},
                 {"", edit::SetScreen{2}, R"({"screenIndex":2})", "re-place"},
                 {"Background Color > Black", {}, "{\"bgColorHex\":\"#000000\"}", "redraw"},
                 {"Text Color > Yellow", {}, "{\"textColorHex\":\"#FFFF00\"}", "redraw"},
                 {"Position > Bottom Left", {}, R"({"position":"bottomLeft"})", "re-place"},
                 {"Text Alignment > Right", {}, R"({"textAlign":"right"})", "redraw"},
                 {"Reserve Screen Space", {}, R"({"reserveSpace":false})", "strut"},
                 {"Metrics > Show CPU", {}, R"({"showCPU":false})", "redraw"},
                 {"Metrics > Show Memory", {}, R"({"showMemory":false})", "redraw"},
                 {"Metrics > All Off", {}, R"({"showCPU":false,"showMemory":false})", "redraw"},
                 {"Remove Image", {}, R"({"imagePath":null})", "redraw"},
                 {"Edit Text...", {}, "", ""},
                 {"Edit Text...", {}, R"({"text":""})", "redraw", ""}, // empty is accepted
                 {"Add Image...", {}, "", ""},
                 {"Add Image...", {}, R"({"imagePath":"/a b.tiff"})", "redraw", "/a b.tiff"},
                 // Reset keeps the screen's name.
                 {"Reset to Defaults",
                  {},
                  "{\"text\":\"Vorlane\",\"imagePath\":null,\"screenIndex\":0,"
                  "\"textAlign\":\"center\",\"bgColorHex\":\"#1a1a2e\"}",
                  "re-place"}}) {
            init();
            const int before = layouts();
            fake->dialogs.answer = fake->dialogs.imageFile = r.answer;
            if (r.path.isEmpty())
                app->perform(*r.command);
            else
                QVERIFY2(choose(*app, r.path), qPrintable(r.path));
            QCOMPARE(stored(), patched(startSettings, r.change)); // saved at once
            QCOMPARE(fake->preferences.writes, r.change.isEmpty() ? 0 : 1);
            QCOMPARE(layouts() != before, !r.followUp.isEmpty());
            QCOMPARE(fake->windows.others.passes, r.followUp == "re-place" ? 1 : 0);
            QCOMPARE(app->banner().window()->geometry(), app->banner().placement()->frame);
            QVERIFY2(fake->windows.placed->reserve == (r.followUp != "strut"), qPrintable(r.path));
        }
        init();
        QVERIFY(choose(*app, "Metrics > All Off"));
        const int off = layouts();
        QVERIFY(choose(*app, "Metrics > All On")); // both back, redrawn
        QVERIFY(layouts() != off);
        QCOMPARE(stored(), patched(startSettings, "{}"));
        QVERIFY(choose(*app, "Reserve Screen Space"));
        QVERIFY(choose(*app, "Reserve Screen Space")); // off, and on again: a pass at once
        QCOMPARE(fake->windows.others.passes, 1);
        QVERIFY(fake->windows.placed->reserve);
    }

    void dialogs() {
        RecordingDialogs& d = fake->dialogs;
        QVERIFY(choose(*app, "Edit Text...")); // cancelled
        const TextPrompt& prompt = d.prompts.first();
        QCOMPARE(prompt.text, QStringLiteral("PRODUCTION"));
        QCOMPARE(d.hostArea, QRect(1920, 0, 1280, 1024)); // the banner's screen
        // A failed save is said through the tray, the first time only.
        QSignalSpy told(app->trayIcon(), &TrayIcon::told);
        fake->preferences.failWrites = true;
        QVERIFY(choose(*app, "Font Size > 20 pt"));
        QVERIFY(choose(*app, "Font Size > 24 pt"));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().first().toString().startsWith(
            "The settings of this banner could not be saved: "));
        fake->preferences.failWrites = false;
        fake->preferences.displacedBy = patched(stored(), R"({"text":"instant"})");
        QVERIFY(choose(*app, "Font Size > 20 pt")); // both kept, the edit shown
        QVERIFY(app->settings().text == "instant" && stored().contains("instant") &&
                stored().contains("\"fontSize\":20"));

        // One colour dialog, retargeted: after "Custom..." for the text,
        // changes reach only the text colour, stored in upper case.
        QVERIFY(choose(*app, "Background Color > Custom..."));
        QCOMPARE(hexString(d.pickerColor), QStringLiteral("#123456"));
        const int shown = layouts();
        d.picked(QColor(0xab, 0xcd, 0xef), false);
        QVERIFY(layouts() != shown); // redrawn at once
        QVERIFY(choose(*app, "Text Color > Custom..."));
        // Every change while dragging shows at once; saves wait a moment,
        // and the dialog's close saves at once.
        const int writes = fake->preferences.writes;
        d.picked(QColor(0x1a, 0x1a, 0x2e), false);
        d.picked(QColor(0x10, 0x20, 0x31), false);
        QCOMPARE(app->settings().textColorHex, "#102031");
        QCOMPARE(fake->preferences.writes, writes);
        QTRY_COMPARE(fake->preferences.writes, writes + 1);
        d.picked(QColor(0x10, 0x20, 0x30), true);
        QCOMPARE(fake->preferences.writes, writes + 2);
        QCOMPARE(app->settings().bgColorHex, QStringLiteral("#ABCDEF"));
        QCOMPARE(BannerSettings::load(fake->preferences, "x").textColorHex, "#102030");
        const auto picked = d.picked;
        app.reset();
        picked(Qt::red, true); // the banner is gone: nothing happens
    }

    // The real dialogs: typed text replaces the prompt's, Return accepts, Escape
    // cancels. The colour dialog reports each colour live, nothing when opened
    // for another target, and at Cancel the colour it was opened with.
    void realDialogs() {
        QtDialogs dialogs{QIcon()};
        TextPrompt prompt;
        prompt.text = "PRODUCTION";
        prompt.informative = "Enter the text:";
        prompt.placeholder = "e.g. ticker";
        for (const auto& [key, expected] :
             {std::pair{Qt::Key_Return, std::optional<QString>("STAGING")}, {Qt::Key_Escape, {}}}) {
            QTimer::singleShot(0, [key = key] {
                auto* field = QApplication::activeModalWidget()->findChild<QLineEdit*>();
                const bool focused = field->window()->focusWidget() == field;
                QStringList labels;
                for (const QLabel* label : field->window()->findChildren<QLabel*>())
                    labels << label->text();
                const bool shown =
                    labels.contains("Enter the text:") && field->placeholderText() == "e.g. ticker";
                QTest::keyClicks(field, "STAGING");
                QTest::keyClick(field, key); // checked once closed: a failure cannot hang
                QVERIFY(focused && shown && field->window()->windowTitle() == "Vorlane");
            });
            QCOMPARE(dialogs.askText(prompt), expected);
        }
        QStringList said;
        const auto to = [&](const QString& target) {
            return [&, target](const QColor& c, bool closed) {
                said << target + " " + hexString(c) + (closed ? " closed" : "");
            };
        };
        dialogs.showColorPicker(Qt::blue, to("bg"));
        QCoreApplication::processEvents(); // shown, it is the active window
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeWindow());
        dialog->setCurrentColor(Qt::red);
        dialogs.showColorPicker(Qt::green, to("text"));
        dialog->setCurrentColor(Qt::yellow);
        dialog->reject();
        dialogs.showColorPicker(Qt::white, to("bg"));
        dialog->setCurrentColor(Qt::black);
        dialog->accept();
        QCOMPARE(said, (QStringList{"bg #FF0000", "text #FFFF00", "text #00FF00 closed",
                                    "bg #000000", "bg #000000 closed"}));
    }

    void openMenuActsOnTheSettingsOfTheMoment() {
        const std::unique_ptr<QMenu> menu = app->buildContextMenu();
        QAction* showCpu = menuRow(*menu, "Metrics > Show CPU").action;
        QVERIFY(!menuRow(*menu, "Banners > Current: x").action->isEnabled()); // rows that inform
        app->settings().showCPU = false; // changed while the menu is open
        showCpu->trigger();
        QTRY_VERIFY(app->settings().showCPU);
        showCpu->trigger();
        app.reset(); // gone before the choice runs, and before the next: nothing happens
        QTest::qWait(10);
        showCpu->trigger();
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
        QVERIFY(!model("{}", "", false).find("Remove Image"));
        QCOMPARE(rows(*menu.find("Font Size")).join(',').remove(" pt"),
                 "10,11,12,13 ✓,14,16,18,20,24,28,32,36,40,48,56,64");
        QCOMPARE(rows(*menu.find("Opacity")).join(','), "30%,50%,60%,70%,80%,90%,100%");

        // The tray menu's rows and choices: the tray's desktop test.
        const auto tray = renderMenu(trayMenuModel(), [](const Command&) {});
        QCOMPARE(tray->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // Every row of both menus and every text of the program's dialogs goes
    // through the translations: under one that brackets what it gives, a
    // text that went around them shows bare.
    void everyTextAPersonReadsIsTranslated() {
        struct Bracketing : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* text, const char*, int) const override {
                return "[" + QString::fromUtf8(text) + "]";
            }
        } bracketing;
        QCoreApplication::installTranslator(&bracketing);
        QStringList bare;
        const auto check = [&](const QString& text) {
            if (!text.trimmed().startsWith('[') || !text.endsWith(']'))
                bare << text;
        };
        const std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
            for (const MenuItem& item : menu.items) {
                if (item.kind != MenuItem::Kind::separator)
                    check(item.title);
                walk(item);
            }
        };
        for (const bool autostart : {false, true})
            walk(model(startSettings, "eDP=1920x1080+0+0", autostart,
                       runningBannerRows({{{1, {"vorlane", "a"}}}}, "x") +
                           runningBannerRows({}, "x")));
        walk(trayMenuModel());
        fake->dialogs.answer = std::nullopt;
        for (const char* path : {"[Edit Text...]", "[Banners] > [New Banner...]",
                                 "[Banners] > [Quick Launch] > [Save Current Session]",
                                 "[Banners] > [Install Auto-Start at Login]"})
            QVERIFY2(choose(*app, path), path);
        for (const TextPrompt& prompt : fake->dialogs.prompts)
            for (const QString& text : {prompt.message, prompt.informative})
                check(text);
        for (const QString& alert : fake->dialogs.alerts)
            check(alert.section(" | ", 0, 0));
        QtDialogs dialogs{QIcon()};
        dialogs.showColorPicker(Qt::blue, [](const QColor&, bool) {});
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<QColorDialog*>(window))
                check(window->windowTitle());
        QCoreApplication::removeTranslator(&bracketing);
        QCOMPARE(bare, QStringList());
    }

    void numbersInTitlesAndHeights() {
        QCOMPARE(wholeNumber(-0.5), QStringLiteral("0"));
        QCOMPARE(wholeNumber(qInf()), QStringLiteral("0"));
        for (auto [height, font] :
             {std::pair{24, 12}, {25, 13}, {96, 48}, {120, 60}, {130, 64}, {16, 10}})
            QCOMPARE(fontSizeForHeight(height), double(font));
    }
};

VORLANE_TEST_MAIN(MenusTest)
#include "tst_menus.moc"
