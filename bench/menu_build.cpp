// How long building the context menu takes, as a right click does it: the
// settings, screens, running banners (from /proc) and auto-start state read,
// the model made and rendered to a QMenu. Run through bench/menu_latency.sh,
// beside the banners it starts.
#include "app/BannerApp.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QMenu>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopPlatform platform{QIcon()};
    BannerApp banner(QStringLiteral("bench"), platform.services());
    banner.start();
    std::vector<double> ms;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        const auto menu = banner.buildContextMenu();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("context menu built in: median %.2f ms, worst %.2f ms (50 builds)\n",
                ms[ms.size() / 2], ms.back());
    return 0;
}
