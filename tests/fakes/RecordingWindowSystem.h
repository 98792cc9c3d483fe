#pragma once

#include "platform/WindowSystem.h"

#include <QStringList>
#include <QWidget>

// Records what the program asked of the window system. It hands out the
// root size, foreign struts and client windows it was given, and (unless
// told to be stubborn) applies move/resize requests to those windows the
// way an obliging window manager would.
class RecordingWindowSystem final : public WindowSystem {
public:
    explicit RecordingWindowSystem(QStringList* journal = nullptr)
        : m_journal(journal) {}

    void prepareBannerWindow(QWidget& window) override {
        record(QStringLiteral("prepare banner window (visible: %1)").arg(window.isVisible()));
    }
    QSize rootSize() override { return root; }
    QList<Strut> foreignStruts() override { return struts; }

    void setBannerStrut(QWidget&, const std::optional<Strut>& strut) override {
        bannerStrut = strut;
        ++strutWrites;
    }

    QList<ClientWindow> nudgeableWindows() override {
        ++passes;
        return windows;
    }

    void moveResizeWindows(const QList<WindowRequest>& requests) override {
        for (const WindowRequest& r : requests) {
            sent.append(r);
            record(QStringLiteral("move window %1").arg(r.window.id));
            if (stubborn)
                continue;
            for (ClientWindow& w : windows) {
                if (w.id == r.window.id) {
                    w.frame.setSize(r.change.size);
                    if (r.change.position)
                        w.frame.moveTopLeft(*r.change.position);
                }
            }
        }
    }

    QSize root{1920, 1080};
    QList<Strut> struts;
    QList<ClientWindow> windows;
    bool stubborn = false;

    std::optional<Strut> bannerStrut;
    int strutWrites = 0;
    int passes = 0;
    QList<WindowRequest> sent;

private:
    void record(const QString& line) {
        if (m_journal)
            m_journal->append(line);
    }

    QStringList* m_journal;
};
