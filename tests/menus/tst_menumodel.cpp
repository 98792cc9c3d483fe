// The context and tray menus as data: their rows, check marks and payloads
// for a few settings, screens, running banners and auto-start states.
#include "fakes/FakePlatform.h"
#include "menus/MenuModel.h"
#include "menus/MenuRenderer.h"
#include "support/TestEnvironment.h"

#include <QMenu>

namespace {

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

class MenuModelTest : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(rows(*menu.find("Background Color")).mid(7), (QStringList{"-", "Custom..."}));
        QCOMPARE(menu.find("Opacity")->items.size(), 7u);
        QCOMPARE(menu.find("Font Size")->items.size(), 16u);
        QCOMPARE(menu.find("Banner Size: 50 pt")->items.size(), 12u);
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

    void trayMenuShowsItsShortcut() { // its rows and choices: the tray's desktop test
        const auto menu = renderMenu(statusMenuModel(), [](const MenuChoice&) {});
        QCOMPARE(menu->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }
};

VORLANE_TEST_MAIN(MenuModelTest)
#include "tst_menumodel.moc"
