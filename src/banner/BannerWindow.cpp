#include "banner/BannerWindow.h"

#include "banner/BannerView.h"

#include <QContextMenuEvent>
#include <QVBoxLayout>

BannerWindow::BannerWindow(const BannerSettings& settings, const SystemMetrics& metrics,
                           ContextMenuRequest contextMenu)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
    , m_contextMenu(std::move(contextMenu))
    , m_view(new BannerView(settings, metrics, this)) {
    // The flags are set once, before the native window exists: changing them
    // later would make a new X window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Vorlane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void BannerWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The view passes the click on to here.
    if (m_contextMenu)
        m_contextMenu(event->globalPos());
    event->accept();
}
