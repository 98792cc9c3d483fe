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
    m_layer.reset();
    m_window.hide();
}

void WaylandBannerSurface::place(const BannerPlacement& placement) {
    m_placement = placement;
    m_window.setGeometry(placement.frame);
    updatePlace();
}

void WaylandBannerSurface::popUp(QMenu& menu, const QPoint& at) {
    menu.installEventFilter(this);
    for (QMenu* submenu : menu.findChildren<QMenu*>())
        submenu->installEventFilter(this);
    menu.exec(at);
}

bool WaylandBannerSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window) {
        if (event->type() == QEvent::Show)
            keepOutOfStrip(*static_cast<QWidget*>(watched));
        return false;
    }
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

// The compositor shows the banner above every XWayland window: a menu (or a
// submenu) that would open under its strip opens beside it instead.
void WaylandBannerSurface::keepOutOfStrip(QWidget& popup) const {
    if (!m_placement)
        return;
    const QRect strip = m_window.geometry();
    QRect frame = popup.geometry();
    if (!frame.intersects(strip))
        return;
    frame.moveTop(m_placement->top ? strip.bottom() + 1 : strip.top() - frame.height());
    popup.move(frame.topLeft());
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
    // A click on the banner closes the menu that is open.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (button != rightButton)
        return;
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
