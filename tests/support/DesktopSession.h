#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>

#include <xcb/xcb.h>

#include <optional>
#include <vector>

// A private X desktop for one test: Xvfb on a display number of its own, a
// window manager (VORLANE_TEST_WM: openbox, the default, xfwm4 or i3), and
// an xcb connection through which the test looks at the server.
class DesktopSession {
public:
    explicit DesktopSession(QSize rootSize = QSize(1920, 1080))
        : m_rootSize(rootSize) {}
    ~DesktopSession();

    bool start();
    static QString windowManager();
    bool restartWindowManager();
    // The test's environment (its private HOME) with this display, Qt on xcb.
    QProcessEnvironment environment() const;
    // Runs a program to its end; true when it exited with 0.
    bool run(const QString& program, const QStringList& arguments);
    bool xdotool(const QStringList& arguments) { return run(QStringLiteral("xdotool"), arguments); }
    // Starts a program that lives until the session ends (or it is ended).
    QProcess* launch(const QString& program, const QStringList& arguments = {},
                     const QProcessEnvironment& extra = {});

    // Stores the settings under a new identifier, starts that banner and
    // waits for its window (0 when none came).
    struct Banner {
        QProcess* process = nullptr;
        xcb_window_t window = 0;
        QString id;
    };
    Banner startBanner(const QByteArray& settings, const QProcessEnvironment& extra = {});
    // Runs x11_test_client and returns its windows once they are managed.
    struct TestWindows {
        QProcess* process = nullptr; // end it to close the windows
        std::vector<xcb_window_t> windows;
    };
    TestWindows launchTestWindows(const QStringList& arguments);

    // Monitors as data: "LEFT=1280x1024+0+0,RIGHT=640x480+1280+0". Xvfb
    // cannot re-set the monitor of its output: the first gets it, the others
    // none.
    bool setMonitors(const QString& layout);
    bool addMonitor(const QString& entry, bool withOutput = false);
    bool removeMonitor(const QString& name);
    // Asks the window manager to maximise a window, as a pager would.
    void maximize(xcb_window_t window);

    // The managed top-level window of a process; waits up to 10 s.
    std::optional<xcb_window_t> windowOfProcess(qint64 pid);
    // The windows of a process that another program has embedded (tray icons).
    std::vector<xcb_window_t> embeddedWindows(qint64 pid);
    // The window's rectangle in root coordinates, without and with the
    // window manager's frame (_NET_FRAME_EXTENTS).
    QRect geometry(xcb_window_t window);
    QRect frameGeometry(xcb_window_t window);
    bool isMapped(xcb_window_t window);
    bool isOverrideRedirect(xcb_window_t window);
    std::vector<uint32_t> property32(xcb_window_t window, const char* name);
    QStringList atomProperty(xcb_window_t window, const char* name);
    xcb_window_t inputFocus();
    xcb_window_t root() const { return m_root; }
    QImage screenshot();

private:
    xcb_atom_t atom(const char* name);
    // Mapped windows of a process, from depth minDepth to maxDepth below the root.
    std::vector<xcb_window_t> windowsOfProcess(qint64 pid, int minDepth, int maxDepth);
    bool startWindowManager();

    QSize m_rootSize;
    QString m_display;
    QString m_busAddress;
    QProcess* m_windowManager = nullptr;
    QList<QProcess*> m_processes; // ended in reverse order
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    int m_bannersStarted = 0;
};
