// A stand-in for the desktop's location service (GeoClue2's manager, one client and its location), for
// the Config dialog's "Locate me" test. Run on a private bus (under dbus-run-session):
//   geoclue-standin located LAT LON   Start answers, then LocationUpdated gives LAT, LON
//   geoclue-standin refused           Start answers AccessDenied, as when the desktop's agent says no
//   geoclue-standin silent            Start answers and no position ever comes
// It prints "BUS <address>" once it serves, then "SET <property> <value>", "START" and "STOP" for what
// the client asks; it ends when its standard input closes.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <QVariantMap>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kClientPath = QStringLiteral("/org/freedesktop/GeoClue2/Client/1");
const QString kLocationPath = QStringLiteral("/org/freedesktop/GeoClue2/Client/1/Location/1");

void Say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class GeoClue : public QDBusVirtualObject {
public:
    GeoClue(QString mode, double lat, double lon) : mode_(std::move(mode)), lat_(lat), lon_(lon) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override
    {
        const QString member = m.member();
        if (m.path() == QLatin1String("/org/freedesktop/GeoClue2/Manager") && member == QLatin1String("GetClient"))
            return bus.send(m.createReply(QVariant::fromValue(QDBusObjectPath(kClientPath))));
        if (m.path() == kClientPath && member == QLatin1String("Set")) {
            const QVariant value = m.arguments().value(2).value<QDBusVariant>().variant();
            Say(QStringLiteral("SET %1 %2").arg(m.arguments().value(1).toString(), value.toString()));
            return bus.send(m.createReply());
        }
        if (m.path() == kClientPath && member == QLatin1String("Start")) {
            Say(QStringLiteral("START"));
            if (mode_ == QLatin1String("refused"))
                return bus.send(m.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                                                   QStringLiteral("Geolocation disabled for UID 1000")));
            bus.send(m.createReply());
            if (mode_ == QLatin1String("located"))
                bus.send(QDBusMessage::createSignal(kClientPath, QStringLiteral("org.freedesktop.GeoClue2.Client"),
                                                    QStringLiteral("LocationUpdated"))
                         << QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")))
                         << QVariant::fromValue(QDBusObjectPath(kLocationPath)));
            return true;
        }
        if (m.path() == kClientPath && member == QLatin1String("Stop")) {
            Say(QStringLiteral("STOP"));
            return bus.send(m.createReply());
        }
        if (m.path() == kLocationPath && member == QLatin1String("GetAll")) {
            QVariantMap values;
            values.insert(QStringLiteral("Latitude"), lat_);
            values.insert(QStringLiteral("Longitude"), lon_);
            values.insert(QStringLiteral("Accuracy"), 5000.0);
            return bus.send(m.createReply(values));
        }
        return false;
    }

private:
    QString mode_;
    double lat_, lon_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    GeoClue service(args[1], args.value(2).toDouble(), args.value(3).toDouble());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/GeoClue2"), &service, QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("org.freedesktop.GeoClue2"))) {
        std::fprintf(stderr, "geoclue-standin: cannot serve on the bus\n");
        return 2;
    }
    Say(QStringLiteral("BUS ") + QString::fromUtf8(qgetenv("DBUS_SESSION_BUS_ADDRESS")));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
