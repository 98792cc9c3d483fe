#include "banner/BannerPanel.h"

#include "banner/BannerContentView.h"
#include "platform/WindowSystem.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

void popUpContextMenu(const ContextMenuProvider& provider, const QPoint& globalPos) {
    std::unique_ptr<QMenu> menu = provider();
    if (menu)
        menu->exec(globalPos);
}

BannerHostingView::BannerHostingView(const BannerSettings& settings, const SystemMetrics& metrics,
                                     QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new BannerContentView(settings, metrics, this));
    setAttribute(Qt::WA_TranslucentBackground);
}

void BannerHostingView::contextMenuEvent(QContextMenuEvent* event) {
    if (!contextMenuProvider) {
        event->ignore(); // on to the panel
        return;
    }
    popUpContextMenu(contextMenuProvider, event->globalPos());
}

BannerPanel::BannerPanel(WindowSystem& windowSystem)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
    , m_windowSystem(windowSystem) {
    // The flags are set once, before the native window exists: changing them
    // later would make a new X window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Vorlane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void BannerPanel::setHostingView(BannerHostingView* view) {
    if (m_hostingView) {
        layout()->removeWidget(m_hostingView);
        m_hostingView->hide();
        m_hostingView->deleteLater();
    }
    m_hostingView = view;
    view->setParent(this);
    layout()->addWidget(view);
    view->show();
}

void BannerPanel::showBanner() {
    if (isVisible())
        return;
    m_windowSystem.prepareBannerWindow(*this);
    show();
}

void BannerPanel::hideBanner() {
    hide();
}

void BannerPanel::contextMenuEvent(QContextMenuEvent* event) {
    // Without a provider the click is dropped, not passed on.
    if (contextMenuProvider)
        popUpContextMenu(contextMenuProvider, event->globalPos());
    event->accept();
}
