#pragma once

// A private Wayland desktop for one test: headless sway with XWayland, as an unprivileged
// user when the test runs as root (sway refuses root), with its own runtime folder; swaymsg
// reads its layout, grim takes screenshots and a virtual pointer (tools/wayland_pointer) clicks.
#include "platform/SettingsFiles.h"
#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

class SwaySession {
public:
    ~SwaySession() {
        endBanners();
        for (QProcess* p : {&m_sway, &m_bus}) // the pointer ends with sway
            p->terminate(), p->waitForFinished(5000);
        m_pointer.waitForFinished(3000);
    }

    bool start() {
        // A session bus, as a desktop session has one, that sway's bar (its tray)
        // can reach too when it runs as another user.
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
        writeFile(m_dir.path() + "/bus.conf",
                  "<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() +
                      "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                      "user=\"*\"/><allow send_destination=\"*\" eavesdrop=\"true\"/><allow "
                      "eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
        m_bus.start("dbus-daemon", {"--config-file=" + m_dir.path() + "/bus.conf", "--nofork",
                                    "--print-address=1"});
        if (!m_bus.waitForReadyRead(5000))
            return false;
        m_busAddress = QString::fromLatin1(m_bus.readLine().trimmed());
        m_runtime = m_dir.path() + "/run";
        QDir().mkpath(m_runtime);
        if (geteuid() == 0 && chown(qPrintable(m_runtime), 65534, 65534) != 0)
            return false;
        QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(m_dir.path() + "/config",
                  "output HEADLESS-1 resolution 1920x1080\nxwayland force\ndefault_border none\n"
                  "bar {\nid edge\nposition top\nmode invisible\ntray_output *\n}\n"
                  "exec sh -c 'xhost +si:localuser:root; echo \"$DISPLAY\" > "
                  "\"$XDG_RUNTIME_DIR/display\"'\n");
        m_sway.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_sway.setStandardOutputFile(QProcess::nullDevice());
        QStringList sway =
            asUser({"env", "-i", "HOME=" + m_dir.path(), "XDG_RUNTIME_DIR=" + m_runtime,
                    "WLR_BACKENDS=headless", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1",
                    "DBUS_SESSION_BUS_ADDRESS=" + m_busAddress, "PATH=/usr/bin:/bin", "sway", "-c",
                    m_dir.path() + "/config"});
        m_sway.start(sway.takeFirst(), sway);
        if (!QTest::qWaitFor([&] { return QFile::exists(m_runtime + "/display"); }, 15000))
            return false;
        m_display = readFile(m_runtime + "/display").trimmed();
        m_socket =
            m_runtime + "/" + QDir(m_runtime).entryList({"sway-ipc.*.sock"}, QDir::System).value(0);
        m_pointer.setProcessEnvironment(environment());
        m_pointer.start(qEnvironmentVariable("VORLANE_WAYLAND_POINTER"));
        return m_pointer.waitForStarted() && !m_display.isEmpty();
    }

    // The banner buffers ("inode/bytes") that sway, or else the last banner, maps.
    QStringList bannerBuffers(bool ofSway = true) const {
        const qint64 pid = ofSway ? m_sway.processId() : m_banners.last()->processId();
        const QString maps = readFile(QString("/proc/%1/maps").arg(pid));
        QStringList buffers; // "inode/bytes"
        for (const QString& line : maps.split('\n').filter("/memfd:vorlane-banner")) {
            const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
            const QStringList range = fields.value(0).split('-');
            const qint64 bytes =
                range.value(1).toLongLong(nullptr, 16) - range.value(0).toLongLong(nullptr, 16);
            buffers << fields.value(4) + '/' + QString::number(bytes);
        }
        return buffers;
    }
    // As a banner is started on a sway session: no platform chosen for Qt.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WAYLAND_DISPLAY", m_runtime + "/wayland-1");
        env.insert("DISPLAY", m_display);
        env.insert("XDG_SESSION_TYPE", "wayland");
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        env.remove("QT_QPA_PLATFORM");
        env.remove("XDG_RUNTIME_DIR");
        return env;
    }

    QJsonArray swaymsg(const QStringList& arguments) {
        const QStringList command = QStringList{"-s", m_socket, "-r"} + arguments;
        return QJsonDocument::fromJson(output("swaymsg", command).value_or("")).array();
    }
    // The area that tiled windows get on an output.
    QRect workspace(const QString& output = "HEADLESS-1") {
        for (const QJsonValue& ws : swaymsg({"-t", "get_workspaces"})) {
            const QJsonObject r = ws["rect"].toObject();
            if (ws["output"] == output && ws["visible"].toBool())
                return QRect(r["x"].toInt(), r["y"].toInt(), r["width"].toInt(),
                             r["height"].toInt());
        }
        return {};
    }
    QImage screenshot() {
        QStringList grim = asUser(
            {"env", "XDG_RUNTIME_DIR=" + m_runtime, "WAYLAND_DISPLAY=wayland-1", "grim", "-"});
        return QImage::fromData(output(grim.takeFirst(), grim).value_or(""))
            .convertToFormat(QImage::Format_RGB32);
    }
    // Moves the pointer to a point of the 1920x1080 layout and presses a
    // button there ("left", "right" or "none").
    bool click(QPoint at, const QString& button) {
        m_pointer.write(
            QString::asprintf("%d %d 1920 1080 %s\n", at.x(), at.y(), qPrintable(button))
                .toLatin1());
        return QTest::qWaitFor([&] { return m_pointer.readLine().startsWith("done"); }, 5000);
    }

    // Stores the settings and starts that banner (on this desktop unless told otherwise).
    // Presses keys by name (Down, Right, Return) on a keyboard of its own.
    // sway 1.7 loses the keys of a new keyboard until it has given it the
    // focus: first F24, which nothing uses, and a moment.
    bool keys(const QStringList& names) {
        QStringList wtype =
            asUser({"env", "XDG_RUNTIME_DIR=" + m_runtime, "WAYLAND_DISPLAY=wayland-1", "wtype",
                    "-k", "F24", "-s", "500"});
        for (const QString& name : names)
            wtype << "-k" << name << "-s"
                  << "20";
        return bool(output(wtype.takeFirst(), wtype));
    }

    QString startBanner(const QByteArray& settings, QProcessEnvironment env = {}) {
        const QString id = QString("banner-%1").arg(m_banners.size() + 1);
        m_banners.append(new QProcess);
        ::startBanner(*m_banners.last(), id, settings, env.isEmpty() ? environment() : env);
        return id;
    }
    // True when every banner ended with exit code 0 and said nothing.
    bool endBanners() {
        bool clean = true;
        for (QProcess* banner : m_banners)
            banner->terminate();
        for (QProcess* banner : std::exchange(m_banners, {})) {
            clean = endedCleanly(*banner, "a banner") && clean;
            delete banner;
        }
        return clean;
    }

private:
    // The command as the unprivileged user when the test runs as root.
    static QStringList asUser(const QStringList& command) {
        return geteuid()
                   ? command
                   : QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} +
                         command;
    }

    QTemporaryDir m_dir;
    QString m_runtime, m_display, m_socket, m_busAddress;
    QProcess m_pointer, m_bus, m_sway; // ended in reverse order
    QList<QProcess*> m_banners;
};
