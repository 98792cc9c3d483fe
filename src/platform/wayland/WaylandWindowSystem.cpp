#include "platform/wayland/WaylandWindowSystem.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPainter>
#include <QScreen>
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

std::unique_ptr<WaylandWindowSystem> WaylandWindowSystem::create() {
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return nullptr;
    auto display = WaylandDisplay::open();
    if (!display)
        return nullptr;
    return std::unique_ptr<WaylandWindowSystem>(new WaylandWindowSystem(std::move(display)));
}

WaylandWindowSystem::WaylandWindowSystem(std::unique_ptr<WaylandDisplay> display)
    : m_display(std::move(display)) {
    m_paint.setSingleShot(true);
    m_paint.setInterval(0);
    connect(&m_paint, &QTimer::timeout, this, &WaylandWindowSystem::paint);
    connect(m_display.get(), &WaylandDisplay::buttonPressed, this, &WaylandWindowSystem::clicked);
    connect(m_display.get(), &WaylandDisplay::connectionLost, this, [this] {
        emit lost(QStringLiteral("the connection to the Wayland compositor was lost"));
    });
    QCoreApplication::instance()->installEventFilter(this);
}

WaylandWindowSystem::~WaylandWindowSystem() {
    m_surface.reset(); // before the connection it lives on
}

void WaylandWindowSystem::showBannerWindow(QWidget& window) {
    m_banner = &window;
    // Qt keeps the window and paints it, but shows it nowhere.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    m_surface = std::make_unique<LayerSurface>(*m_display);
    connect(m_surface.get(), &LayerSurface::needsImage, &m_paint, qOverload<>(&QTimer::start));
    updatePlace();
}

QSize WaylandWindowSystem::rootSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry().size() * screen->devicePixelRatio() : QSize();
}

void WaylandWindowSystem::publishBannerPlace(QWidget&, const BannerPlace& place) {
    m_top = place.top;
    updatePlace();
}

void WaylandWindowSystem::setBannerStrut(QWidget&, const std::optional<Strut>& strut) {
    m_reserve = strut.has_value();
    updatePlace();
}

bool WaylandWindowSystem::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_banner) {
        if (event->type() == QEvent::Show)
            keepOutOfStrip(qobject_cast<QWidget*>(watched));
        return false;
    }
    switch (event->type()) {
    case QEvent::UpdateRequest:
        m_paint.start();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        updatePlace();
        m_paint.start();
        break;
    case QEvent::Hide:
        m_surface.reset();
        break;
    default:
        break;
    }
    return false;
}

// The compositor shows the banner above every XWayland window: a menu (or a
// submenu) that would open under its strip opens beside it instead.
void WaylandWindowSystem::keepOutOfStrip(QWidget* popup) const {
    if (!popup || !m_banner || popup->windowType() != Qt::Popup)
        return;
    const QRect strip = m_banner->geometry();
    QRect frame = popup->geometry();
    if (!frame.intersects(strip))
        return;
    frame.moveTop(m_top ? strip.bottom() + 1 : strip.top() - frame.height());
    popup->move(frame.topLeft());
}

void WaylandWindowSystem::updatePlace() {
    if (!m_surface || !m_banner)
        return;
    const QRect frame = m_banner->geometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    LayerPlace place;
    place.outputName = screen->name();
    place.outputPosition = screen->geometry().topLeft();
    place.outputIndex = QGuiApplication::screens().indexOf(screen);
    place.top = m_top;
    place.along = alongEdge(frame, screen->geometry());
    // Qt's device pixels are XWayland's, which are the compositor's logical
    // ones; under QT_SCALE_FACTOR the banner's own pixels are larger.
    m_qtScale = screen->devicePixelRatio();
    place.size = (QSizeF(frame.size()) * m_qtScale).toSize();
    place.exclusiveZone = m_reserve ? place.size.height() : 0;
    m_surface->setPlace(place);
}

void WaylandWindowSystem::paint() {
    const QSize pixels = m_surface && m_banner ? m_surface->pixelSize() : QSize();
    if (pixels.isEmpty())
        return;
    const Result shown = m_surface->present([this](QImage& image) {
        image.setDevicePixelRatio(m_surface->scale() * m_qtScale);
        m_banner->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    });
    if (!shown.ok() && !std::exchange(m_saidNotShown, true))
        emit problem(QStringLiteral("The banner cannot be shown: %1").arg(shown.reason()));
}

void WaylandWindowSystem::clicked(wl_surface* surface, QPointF at, std::uint32_t button) {
    if (!m_surface || surface != m_surface->surface() || !m_banner)
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
        m_banner,
        [banner = m_banner, local] {
            if (!banner)
                return;
            QContextMenuEvent event(QContextMenuEvent::Mouse, local, banner->mapToGlobal(local));
            QCoreApplication::sendEvent(banner, &event);
        },
        Qt::QueuedConnection);
}
