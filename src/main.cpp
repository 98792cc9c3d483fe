#include "app/BannerApp.h"
#include "app/CommandLine.h"
#include "app/QuietQtMessages.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "banner/Icons.h"
#include "platform/ConfigFolder.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    // The identifier is read from the raw arguments, and Qt sees none of them:
    // an identifier such as "-platform" must not be taken as a Qt option.
    const std::optional<QString> instanceId = instanceIdFromArgv(argc, argv);
    if (!instanceId) {
        std::fputs("vorlane: the instance identifier is not valid UTF-8\n", stderr);
        return 2;
    }
    QString noFolder;
    if (!ConfigFolder::programFolder(&noFolder)) {
        std::fprintf(stderr, "vorlane: %s\n", qPrintable(noFolder));
        return 1;
    }
    DesktopPlatform::XServerCheck xServer(nullptr, nullptr);
    if (const Result platform = DesktopPlatform::chooseQtPlatform(xServer); !platform.ok()) {
        std::fprintf(stderr, "vorlane: %s\n", qPrintable(platform.reason()));
        return 1;
    }
    keepHarmlessQtMessagesQuiet();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    xServer.reset(); // Qt holds a connection of its own now
    QApplication::setApplicationName(QStringLiteral("vorlane"));
    QApplication::setOrganizationName(QStringLiteral("vorlane"));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tarnwick.vorlane"));
    const Translations translations;

    // Only the dialogs carry the program's icon: an icon for the whole
    // application would be drawn in every size for the banner window too.
    DesktopPlatform platform(programIcon());
    if (const Result carried = platform.carryOverOldSettings(); !carried.ok())
        std::fprintf(stderr, "vorlane: %s\n", qPrintable(carried.reason()));
    BannerApp banner(*instanceId, platform.services());
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &banner, &BannerApp::stop);
    QTimer::singleShot(0, &banner, &BannerApp::start);
    return app.exec();
}
