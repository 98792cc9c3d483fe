#include "banner/BannerWindow.h"

#include "banner/BannerView.h"
#include "platform/WindowSystem.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>
#include <QWindow>

void popUpContextMenu(const ContextMenuProvider& provider, const QPoint& globalPos) {
    std::unique_ptr<QMenu> menu = provider();
    if (menu)
        menu->exec(globalPos);
}

BannerWindow::BannerWindow(WindowSystem& windowSystem, const BannerSettings& settings,
                           const SystemMetrics& metrics, ContextMenuProvider contextMenu)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
    , m_windowSystem(windowSystem)
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
    // The window manager's answer to a new geometry may come in steps: judge
    // the size it gave once the answers have settled.
    m_sizeCheck.setSingleShot(true);
    m_sizeCheck.setInterval(300);
    connect(&m_sizeCheck, &QTimer::timeout, this, &BannerWindow::checkSizeGiven);
    // An unmanaged window is not kept above others by the window manager.
    connect(&windowSystem, &WindowSystem::applicationEvent, this, [this] {
        if (isUnmanaged() && isVisible())
            raise();
    });
}

void BannerWindow::setBannerGeometry(const QRect& frame, bool isBox) {
    m_requested = frame;
    m_isBox = isBox;
    setUnmanaged(m_windowManagerStretchesDocks && isBox);
    setGeometry(frame);
}

void BannerWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_isBox && !isUnmanaged() && size() != m_requested.size())
        m_sizeCheck.start();
}

void BannerWindow::checkSizeGiven() {
    if (!m_isBox || isUnmanaged() || !isVisible() || size() == m_requested.size())
        return;
    m_windowManagerStretchesDocks = true;
    setUnmanaged(true);
}

void BannerWindow::setUnmanaged(bool unmanaged) {
    if (unmanaged == isUnmanaged())
        return;
    const bool visible = isVisible();
    hide();
    setWindowFlag(Qt::X11BypassWindowManagerHint, unmanaged);
    // A new X window: the window manager may still be handing the old one
    // back (and would put it where it pleases).
    if (QWindow* window = windowHandle())
        window->destroy();
    setGeometry(m_requested);
    if (visible)
        showBanner();
    emit windowReplaced();
}

void BannerWindow::showBanner() {
    if (isVisible())
        return;
    m_windowSystem.showBannerWindow(*this);
}

void BannerWindow::hideBanner() {
    hide();
}

void BannerWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The view passes the click on to here; without a provider it is dropped.
    if (m_contextMenu)
        popUpContextMenu(m_contextMenu, event->globalPos());
    event->accept();
}
