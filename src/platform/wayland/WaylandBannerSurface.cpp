#include "platform/wayland/WaylandBannerSurface.h"

#include "platform/wayland/WaylandDisplay.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace {

constexpr std::uint32_t rightButton = 0x111; // BTN_RIGHT

// How the banner lies along its edge of the screen.
LayerPlace::Along alongEdge(const QRect& banner, const QRect& screen) {
    if (banner.width() >= screen.width())
        return LayerPlace::Along::Stretched;
    if (banner.left() <= screen.left())
        return LayerPlace::Along::Left;
    if (banner.right() >= screen.right())
        return LayerPlace::Along::Right;
    return LayerPlace::Along::Centred;
}

} // namespace

WaylandBannerSurface::WaylandBannerSurface(WaylandDisplay& display, QWidget& window, Say say)
    : m_display(display)
    , m_window(window)
    , m_say(std::move(say)) {
    m_paint.setSingleShot(true);
    m_paint.setInterval(0);
    connect(&m_paint, &QTimer::timeout, this, &WaylandBannerSurface::paint);
    connect(&display, &WaylandDisplay::buttonPressed, this, &WaylandBannerSurface::clicked);
    // Qt keeps the window and paints it, but shows it nowhere.
    m_window.setAttribute(Qt::WA_DontShowOnScreen);
    m_window.installEventFilter(this);
}

WaylandBannerSurface::~WaylandBannerSurface() {
    m_window.removeEventFilter(this);
}

void WaylandBannerSurface::show() {
    if (m_layer)
        return;
    m_window.show();
    m_layer = std::make_unique<LayerSurface>(m_display);
    connect(m_layer.get(), &LayerSurface::needsImage, &m_paint, qOverload<>(&QTimer::start));
    updatePlace();
}

void WaylandBannerSurface::hide() {
    if (m_menu)
        m_menu->closeAll(); // before the surface it hangs from
    m_layer.reset();
    m_window.hide();
}

void WaylandBannerSurface::place(const BannerPlacement& placement) {
    m_placement = placement;
    m_window.setGeometry(placement.frame);
    updatePlace();
}

void WaylandBannerSurface::popUp(QMenu& menu, const QPoint& at) {
    if (m_menu)
        return; // one at a time
    if (!m_layer || !m_layer->layer() || !m_display.xdgShell() || !m_placement) {
        menu.exec(at); // through XWayland, where the compositor has no xdg shell
        return;
    }
    // Off the strip, at the click's column.
    PopupPlace place;
    place.layer = m_layer->layer();
    place.anchor =
        QRect(int(m_lastClick.x()), 0, 1, m_layer->pixelSize().height() / m_layer->scale());
    place.below = m_placement->top;
    place.rightToLeft = menu.isRightToLeft();
    m_menu = std::make_unique<WaylandMenu>(m_display, m_layer->scale(), m_qtScale);
    const QPointer<WaylandBannerSurface> alive(this);
    m_layer->takeKeyboard(true);
    m_menu->exec(menu, place);
    if (!alive) // what was chosen may have ended the banner
        return;
    m_menu.reset();
    if (m_layer)
        m_layer->takeKeyboard(false);
}

bool WaylandBannerSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::UpdateRequest:
        m_paint.start();
        break;
    case QEvent::Resize:
        m_paint.start();
        break;
    default:
        break;
    }
    return false;
}

void WaylandBannerSurface::updatePlace() {
    if (!m_layer || !m_placement)
        return;
    const ScreenInfo& screen = m_placement->screen();
    const QRect frame = m_placement->frame;
    LayerPlace place;
    place.outputName = screen.name;
    place.outputPosition = screen.geometry.topLeft();
    place.outputIndex = m_placement->screenIndex;
    place.top = m_placement->top;
    place.along = alongEdge(frame, screen.geometry);
    // Qt's device pixels are XWayland's, which are the compositor's logical
    // ones; under QT_SCALE_FACTOR the banner's own pixels are larger.
    m_qtScale = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    place.size = (QSizeF(frame.size()) * m_qtScale).toSize();
    place.exclusiveZone = m_placement->reserve ? place.size.height() : 0;
    m_layer->setPlace(place);
}

void WaylandBannerSurface::paint() {
    const QSize pixels = m_layer ? m_layer->pixelSize() : QSize();
    if (pixels.isEmpty())
        return;
    const Result shown = m_layer->present([this](QImage& image) {
        image.setDevicePixelRatio(m_layer->scale() * m_qtScale);
        m_window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    });
    if (!shown.ok() && !std::exchange(m_saidNotShown, true) && m_say)
        m_say(QStringLiteral("The banner cannot be shown: %1").arg(shown.reason()));
}

void WaylandBannerSurface::clicked(wl_surface* surface, QPointF at, std::uint32_t button) {
    if (!m_layer || surface != m_layer->surface())
        return;
    // A click on the banner closes the menu that is open, its own or the
    // tray's, and chooses nothing.
    if (m_menu && m_menu->isOpen()) {
        m_menu->closeAll();
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (button != rightButton)
        return;
    m_lastClick = at;
    // The menu opens from Qt's event loop, not from within libwayland's
    // dispatch, which must not be entered again.
    const QPoint local = (at / m_qtScale).toPoint();
    QMetaObject::invokeMethod(
        &m_window,
        [window = QPointer<QWidget>(&m_window), local] {
            if (!window)
                return;
            QContextMenuEvent event(QContextMenuEvent::Mouse, local, window->mapToGlobal(local));
            QCoreApplication::sendEvent(window, &event);
        },
        Qt::QueuedConnection);
}
