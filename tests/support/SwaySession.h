#pragma once

// A private Wayland desktop for one test: headless sway with XWayland, run
// as an unprivileged user when the test runs as root (sway refuses root),
// with a runtime folder of its own; swaymsg reads its layout, grim takes
// screenshots and a virtual pointer (tools/wayland_pointer) clicks.
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
        for (QProcess* p : {m_sway, m_bus}) {
            if (p)
                p->terminate(), p->waitForFinished(5000);
        }
        if (m_pointer && !m_pointer->waitForFinished(3000)) // it ends with sway
            m_pointer->kill(), m_pointer->waitForFinished();
        delete m_sway;
        delete m_pointer;
        delete m_bus;
    }

    bool start() {
        // A session bus, as a desktop session has one.
        m_bus = new QProcess;
        m_bus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus->waitForReadyRead(5000))
            return false;
        m_busAddress = QString::fromLatin1(m_bus->readLine().trimmed());
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
        m_runtime = m_dir.path() + "/run";
        QDir().mkpath(m_runtime);
        if (geteuid() == 0 && chown(qPrintable(m_runtime), 65534, 65534) != 0)
            return false;
        QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(m_dir.path() + "/config",
                  "output HEADLESS-1 resolution 1920x1080\nxwayland force\ndefault_border none\n"
                  "exec sh -c 'xhost +si:localuser:root; echo \"$DISPLAY\" > "
                  "\"$XDG_RUNTIME_DIR/display\"'\n");
        m_sway = new QProcess;
        m_sway->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_sway->setStandardOutputFile(QProcess::nullDevice());
        start(*m_sway, {"env", "-i", "HOME=" + m_dir.path(), "XDG_RUNTIME_DIR=" + m_runtime,
                        "WLR_BACKENDS=headless", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1",
                        "PATH=/usr/bin:/bin", "sway", "-c", m_dir.path() + "/config"});
        if (!QTest::qWaitFor([&] { return QFile::exists(m_runtime + "/display"); }, 15000))
            return false;
        m_display = readFile(m_runtime + "/display").trimmed();
        m_socket =
            m_runtime + "/" + QDir(m_runtime).entryList({"sway-ipc.*.sock"}, QDir::System).value(0);
        m_pointer = new QProcess;
        m_pointer->setProcessEnvironment(environment());
        m_pointer->start(qEnvironmentVariable("VORLANE_WAYLAND_POINTER"));
        return m_pointer->waitForStarted() && !m_display.isEmpty();
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
        QProcess p;
        p.start("swaymsg", QStringList{"-s", m_socket, "-r"} + arguments);
        p.waitForFinished(10000);
        return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
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
    // The windows in sway's tree, tiled or floating.
    int views() {
        const QByteArray tree = QJsonDocument(swaymsg({"-t", "get_tree"})).toJson();
        return int(tree.count("\"pid\""));
    }
    QImage screenshot() {
        QProcess grim;
        start(grim,
              {"env", "XDG_RUNTIME_DIR=" + m_runtime, "WAYLAND_DISPLAY=wayland-1", "grim", "-"});
        grim.waitForFinished(10000);
        return QImage::fromData(grim.readAllStandardOutput()).convertToFormat(QImage::Format_RGB32);
    }
    // Moves the pointer to a point of the layout and presses a button there
    // ("left", "right" or "none").
    bool click(QPoint at, const QString& button, QSize layout = QSize(1920, 1080)) {
        m_pointer->write(QString::asprintf("%d %d %d %d %s\n", at.x(), at.y(), layout.width(),
                                           layout.height(), qPrintable(button))
                             .toLatin1());
        return QTest::qWaitFor([&] { return m_pointer->readLine().startsWith("done"); }, 5000);
    }

    // Stores the settings and starts that banner (on this desktop unless
    // told otherwise).
    QString startBanner(const QByteArray& settings, QProcessEnvironment env = {}) {
        const QString id = QString("banner-%1").arg(m_banners.size() + 1);
        writeFile(SettingsFiles().filePath("VorlaneSettings_" + id), settings);
        auto* banner = new QProcess;
        env = env.isEmpty() ? environment() : env;
        env.insert("TMPDIR", isolateUserFolders());
        banner->setProcessEnvironment(env);
        banner->setStandardOutputFile(QProcess::nullDevice());
        banner->start(qEnvironmentVariable("VORLANE_BINARY"), {id});
        m_banners.append(banner);
        return id;
    }
    // True when every banner ended with exit code 0 and said nothing.
    bool endBanners() {
        bool clean = true;
        for (QProcess* banner : std::exchange(m_banners, {})) {
            banner->terminate();
            clean = banner->waitForFinished(5000) && banner->exitCode() == 0 && clean;
            const QByteArray said = banner->readAllStandardError();
            if (!said.isEmpty())
                qWarning("a banner said: %s", said.constData());
            clean = said.isEmpty() && clean;
            delete banner;
        }
        return clean;
    }

private:
    void start(QProcess& p, QStringList command) {
        if (geteuid() == 0)
            command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + command;
        const QString program = geteuid() == 0 ? "setpriv" : command.takeFirst();
        p.start(program, command);
    }

    QTemporaryDir m_dir;
    QString m_runtime, m_display, m_socket, m_busAddress;
    QProcess* m_bus = nullptr;
    QProcess* m_sway = nullptr;
    QProcess* m_pointer = nullptr;
    QList<QProcess*> m_banners;
};
