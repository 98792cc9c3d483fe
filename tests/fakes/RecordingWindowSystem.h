#pragma once

#include "platform/WindowSystem.h"

#include <QStringList>
#include <QWidget>

// Records what the program asked of the window system; hands out the root
// size and foreign struts it was given.
class RecordingWindowSystem final : public WindowSystem {
public:
    explicit RecordingWindowSystem(QStringList* journal = nullptr)
        : m_journal(journal)
    {
    }

    void prepareBannerWindow(QWidget& window) override
    {
        record(QStringLiteral("prepare banner window (visible: %1)").arg(window.isVisible()));
    }
    QSize rootSize() override { return root; }
    QList<Strut> foreignStruts() override { return struts; }

    QSize root{1920, 1080};
    QList<Strut> struts;

private:
    void record(const QString& line)
    {
        if (m_journal)
            m_journal->append(line);
    }

    QStringList* m_journal;
};
