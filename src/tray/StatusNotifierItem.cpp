#include "tray/StatusNotifierItem.h"

#include "banner/Icons.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QImage>
#include <QtEndian>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");

// One size of the icon as the protocol carries it: ARGB, big-endian.
struct IconPixels {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using IconPixelsList = QList<IconPixels>;

QDBusArgument& operator<<(QDBusArgument& out, const IconPixels& icon) {
    out.beginStructure();
    out << icon.width << icon.height << icon.argb;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, IconPixels& icon) {
    in.beginStructure();
    in >> icon.width >> icon.height >> icon.argb;
    in.endStructure();
    return in;
}

IconPixelsList programIconSizes() {
    IconPixelsList sizes;
    for (const int size : {16, 22, 32, 48}) {
        const QImage image =
            programIconPixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        IconPixels icon{image.width(), image.height(), {}};
        icon.argb.resize(qsizetype(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(icon.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(row[x]);
        }
        sizes.append(icon);
    }
    return sizes;
}

} // namespace

Q_DECLARE_METATYPE(IconPixels)

// What the bus sees of the item: properties and methods by the protocol's
// names.
class StatusNotifierAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(IconPixelsList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString AttentionIconName READ iconName)
    Q_PROPERTY(IconPixelsList AttentionIconPixmap READ noPixmap)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(int WindowId READ windowId)

public:
    StatusNotifierAdaptor(StatusNotifierItem* item, QString title)
        : QDBusAbstractAdaptor(item)
        , m_item(item)
        , m_title(std::move(title))
        , m_pixels(programIconSizes()) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("vorlane"); }
    QString title() const { return m_title; }
    QString status() const { return QStringLiteral("Active"); }
    QString iconName() const { return {}; }
    IconPixelsList iconPixmap() const { return m_pixels; }
    IconPixelsList noPixmap() const { return {}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }
    int windowId() const { return 0; }

public slots:
    void Activate(int x, int y) {
        emit m_item->menuRequested(StatusNotifierItem::placeFromHost(x, y));
    }
    void ContextMenu(int x, int y) {
        emit m_item->menuRequested(StatusNotifierItem::placeFromHost(x, y));
    }
    void SecondaryActivate(int, int) {}
    void Scroll(int, const QString&) {}

signals:
    void NewIcon();
    void NewTitle();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem* m_item;
    QString m_title;
    IconPixelsList m_pixels;
};

StatusNotifierItem::StatusNotifierItem(const QString& title, QObject* parent)
    : QObject(parent) {
    qDBusRegisterMetaType<IconPixels>();
    qDBusRegisterMetaType<IconPixelsList>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    new StatusNotifierAdaptor(this, title);
    const QString name =
        QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
    if (!bus.registerService(name) || !bus.registerObject(itemPath, this))
        return;
    m_service = name;
    // The host's watcher may come later, or again after it restarts.
    m_watcher = new QDBusServiceWatcher(watcherService, bus,
                                        QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &StatusNotifierItem::registerWithWatcher);
    if (bus.interface()->isServiceRegistered(watcherService))
        registerWithWatcher();
}

StatusNotifierItem::~StatusNotifierItem() {
    if (m_service.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(itemPath);
    bus.unregisterService(m_service);
}

void StatusNotifierItem::registerWithWatcher() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
        QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

void StatusNotifierItem::notify(const QString& title, const QString& message) {
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                       service, QStringLiteral("Notify"));
    call << title << 0u << QString() << title << message << QStringList() << QVariantMap() << -1;
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

std::optional<QPoint> StatusNotifierItem::placeFromHost(int x, int y) {
    if (x == 0 && y == 0)
        return std::nullopt;
    return QPoint(x, y);
}

#include "StatusNotifierItem.moc"
