// How long one nudging pass takes over many client windows: reading the
// window list with every window's type, state and frame geometry, deciding,
// and sending the move/resize requests. Run through bench/nudge_pass.sh,
// which provides the X server, window manager and windows.
#include "platform/x11/X11WindowSystem.h"
#include "spaceguard/SpaceGuard.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    auto system = X11WindowSystem::create([](qint64) { return false; }); // no stacking here
    OtherWindows* windows = system ? system->otherWindows() : nullptr;
    if (!windows) {
        std::fprintf(stderr, "needs an X11 display\n");
        return 1;
    }
    const QRect strip(0, 0, 1920, 28);
    const int rounds = 50;
    std::vector<double> reads, passes;
    qsizetype windowCount = 0, requestCount = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<ClientWindow> list = windows->nudgeableWindows();
        reads.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QList<WindowRequest> requests = SpaceGuard::plan(strip, true, list, NudgeLimits{});
        windows->moveResizeWindows(requests);
        passes.push_back(double(timer.nsecsElapsed()) / 1e6);
        windowCount = list.size();
        requestCount = std::max(requestCount, requests.size());
    }
    std::sort(reads.begin(), reads.end());
    std::sort(passes.begin(), passes.end());
    std::printf("nudge pass over %lld windows (%lld moved in the first): median %.2f ms "
                "(reading %.2f ms), slowest %.2f ms, %d rounds\n",
                static_cast<long long>(windowCount), static_cast<long long>(requestCount),
                passes[rounds / 2], reads[rounds / 2], passes.back(), rounds);
    return 0;
}
