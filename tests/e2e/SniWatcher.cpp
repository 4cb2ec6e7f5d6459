// A StatusNotifier watcher with a host, as a desktop panel has them, and a stand-in notification
// server, for the end-to-end tests: run on a private session bus (under dbus-run-session) it prints
// "BUS <address>" once it serves, then "ITEM <service> <path>" for each item that registers,
// "NOTIFY <id> <replaces> <urgency> <timeout> <summary>|<body>|<action keys, comma-separated>" for each
// notification and "CLOSE <id>" for each one withdrawn. A line "ACTION <id> <key>" on its standard
// input is the user choosing that action; it ends when its standard input closes.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>
#include <unistd.h>

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath)
    {
        // An item names its service, or only its path on the caller's own connection.
        QString service = serviceOrPath, path = QStringLiteral("/StatusNotifierItem");
        if (serviceOrPath.startsWith(QLatin1Char('/'))) {
            service = message().service();
            path = serviceOrPath;
        }
        const QString item = service + path;
        if (!items_.contains(item))
            items_.append(item);
        std::printf("ITEM %s %s\n", qPrintable(service), qPrintable(path));
        std::fflush(stdout);
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QStringList items_;
};

class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    void Invoke(uint id, const QString& key) { emit ActionInvoked(id, key); }

public slots:
    uint Notify(const QString&, uint replaces, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        const uint id = replaces ? replaces : ++last_;
        QStringList keys;
        for (int i = 0; i + 1 < actions.size(); i += 2)
            keys << actions[i];
        std::printf("NOTIFY %u %u %d %d %s|%s|%s\n", id, replaces, hints.value("urgency", -1).toInt(), timeout,
                    qPrintable(summary), qPrintable(body), qPrintable(keys.join(',')));
        std::fflush(stdout);
        return id;
    }
    void CloseNotification(uint id)
    {
        std::printf("CLOSE %u\n", id);
        std::fflush(stdout);
        emit NotificationClosed(id, 3);
    }
    QStringList GetCapabilities() { return {"actions", "body"}; }

signals:
    void ActionInvoked(uint id, const QString& key);
    void NotificationClosed(uint id, uint reason);

private:
    uint last_ = 0;
};

// Workaround: Qt's D-Bus and event-dispatcher objects of this harness (not of the program it drives,
// whose own leak check stays on) are sometimes still held by a thread at exit, and the uninstrumented
// Qt leaves LeakSanitizer no stack to suppress them by.
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sni-watcher: cannot serve on the session bus\n");
        return 2;
    }
    Notifications notifications;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "sni-watcher: cannot serve notifications on the session bus\n");
        return 2;
    }
    std::printf("BUS %s\n", qgetenv("DBUS_SESSION_BUS_ADDRESS").constData());
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, static_cast<int>(n));
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QList<QByteArray> fields = pending.left(end).trimmed().split(' ');
            if (fields.size() == 3 && fields[0] == "ACTION")
                notifications.Invoke(fields[1].toUInt(), QString::fromUtf8(fields[2]));
        }
    });
    return app.exec();
}

#include "SniWatcher.moc"
