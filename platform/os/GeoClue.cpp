#include "platform/os/GeoClue.h"
#include "platform/os/GeoClueBus.h"

#include "platform/os/UiThread.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <utility>

namespace nuro {
namespace {

const QString kService = QStringLiteral("org.freedesktop.GeoClue2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/GeoClue2/Manager");
const QString kManagerInterface = QStringLiteral("org.freedesktop.GeoClue2.Manager");
const QString kClientInterface = QStringLiteral("org.freedesktop.GeoClue2.Client");
const QString kLocationInterface = QStringLiteral("org.freedesktop.GeoClue2.Location");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr uint kAccuracyCity = 4; // GClueAccuracyLevel: a town is all the times need

std::string& BusAddress()
{
    static std::string address; // the user-interface thread's only
    return address;
}

int& DefaultDeadline()
{
    static int ms = kGeoClueDeadlineMs; // the user-interface thread's only
    return ms;
}

// A connection of its own for each question, closed with it: nothing of ours stays on the system bus.
QDBusConnection OpenBus(const QString& name)
{
    return BusAddress().empty() ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, name)
                                : QDBusConnection::connectToBus(QString::fromStdString(BusAddress()), name);
}

QString NextConnectionName()
{
    static int count = 0;
    return QStringLiteral("nuro-geoclue-%1").arg(++count);
}

LocateOutcome OutcomeOf(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
        return LocateOutcome::Missing;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return LocateOutcome::TimedOut;
    default:
        return LocateOutcome::Refused; // AccessDenied above all: the desktop's agent said no
    }
}

// One call on the bus; `next` gets the answer, an error ends the request.
class BusTask : public QObject {
    Q_OBJECT
protected:
    explicit BusTask(QString name) : name_(std::move(name)), bus_(OpenBus(name_)) {}
    ~BusTask() override { QDBusConnection::disconnectFromBus(name_); }

    template <typename Next> void Call(const QDBusMessage& call, Next next)
    {
        auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, next](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusMessage reply = w->reply();
            if (reply.type() == QDBusMessage::ErrorMessage)
                Failed(QDBusError(reply));
            else
                next(reply);
        });
    }
    virtual void Failed(const QDBusError& error) = 0;

    QString name_;
    QDBusConnection bus_;
};

class Probe : public BusTask {
    Q_OBJECT
public:
    explicit Probe(std::function<void(bool)> done) : BusTask(NextConnectionName()), done_(std::move(done)) {}

    void Begin()
    {
        if (!bus_.isConnected())
            return Answer(false);
        const QString bus = QStringLiteral("org.freedesktop.DBus");
        const QString path = QStringLiteral("/org/freedesktop/DBus");
        Call(QDBusMessage::createMethodCall(bus, path, bus, QStringLiteral("NameHasOwner")) << kService,
             [this, bus, path](const QDBusMessage& owned) {
                 if (owned.arguments().value(0).toBool())
                     return Answer(true);
                 // Not running: GeoClue is usually started by the bus on the first call.
                 Call(QDBusMessage::createMethodCall(bus, path, bus, QStringLiteral("ListActivatableNames")),
                      [this](const QDBusMessage& names) {
                          Answer(names.arguments().value(0).toStringList().contains(kService));
                      });
             });
    }

private:
    void Failed(const QDBusError&) override { Answer(false); }
    void Answer(bool available)
    {
        if (done_)
            std::exchange(done_, nullptr)(available);
        deleteLater();
    }

    std::function<void(bool)> done_;
};

// GetClient, the client's DesktopId and accuracy, Start, the first LocationUpdated, the location's
// coordinates, Stop: each step when the previous one has answered, all within one deadline.
class Locate : public BusTask {
    Q_OBJECT
public:
    Locate(std::function<void(const LocateResult&)> done, int deadlineMs)
        : BusTask(NextConnectionName()), done_(std::move(done))
    {
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, [this] {
            Finish({LocateOutcome::TimedOut, 0, 0, "no position before the deadline"});
        });
        deadline_.start(deadlineMs);
    }

    void Begin()
    {
        if (!bus_.isConnected())
            return Finish({LocateOutcome::Missing, 0, 0, bus_.lastError().message().toStdString()});
        Call(QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface, QStringLiteral("GetClient")),
             [this](const QDBusMessage& reply) {
                 client_ = qvariant_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
                 if (client_.isEmpty())
                     return Finish({LocateOutcome::Missing, 0, 0, "GeoClue gave no client"});
                 SetClientProperty(QStringLiteral("DesktopId"), QString::fromLatin1(kGeoClueDesktopId), [this] {
                     SetClientProperty(QStringLiteral("RequestedAccuracyLevel"), kAccuracyCity, [this] { Start(); });
                 });
             });
    }

private slots:
    void LocationUpdated(const QDBusObjectPath&, const QDBusObjectPath& location)
    {
        if (!done_ || reading_)
            return;
        reading_ = true;
        Call(QDBusMessage::createMethodCall(kService, location.path(), kProperties, QStringLiteral("GetAll"))
                 << kLocationInterface,
             [this](const QDBusMessage& reply) {
                 const QVariantMap values = qdbus_cast<QVariantMap>(reply.arguments().value(0));
                 bool latOk = false, lonOk = false;
                 const double lat = values.value(QStringLiteral("Latitude")).toDouble(&latOk);
                 const double lon = values.value(QStringLiteral("Longitude")).toDouble(&lonOk);
                 if (!latOk || !lonOk || lat < -90 || lat > 90 || lon < -180 || lon > 180)
                     return Finish({LocateOutcome::Missing, 0, 0, "GeoClue's location has no usable coordinates"});
                 Finish({LocateOutcome::Located, lat, lon, {}});
             });
    }

private:
    template <typename Next> void SetClientProperty(const QString& name, const QVariant& value, Next next)
    {
        Call(QDBusMessage::createMethodCall(kService, client_, kProperties, QStringLiteral("Set"))
                 << kClientInterface << name << QVariant::fromValue(QDBusVariant(value)),
             [next](const QDBusMessage&) { next(); });
    }

    void Start()
    {
        // Listening before Start, so the first fix cannot pass unheard; once asked to start, it is
        // asked to stop.
        started_ = true;
        bus_.connect(kService, client_, kClientInterface, QStringLiteral("LocationUpdated"), this,
                     SLOT(LocationUpdated(QDBusObjectPath, QDBusObjectPath)));
        Call(QDBusMessage::createMethodCall(kService, client_, kClientInterface, QStringLiteral("Start")),
             [](const QDBusMessage&) {});
    }

    void Failed(const QDBusError& error) override
    {
        Finish({OutcomeOf(error), 0, 0, (error.name() + QStringLiteral(": ") + error.message()).toStdString()});
    }

    void Finish(const LocateResult& result)
    {
        if (!done_)
            return;
        deadline_.stop();
        std::exchange(done_, nullptr)(result);
        if (!started_ || client_.isEmpty()) {
            deleteLater();
            return;
        }
        // Stopped before the connection closes, so the service lets go of the position at once.
        auto* watcher = new QDBusPendingCallWatcher(
            bus_.asyncCall(QDBusMessage::createMethodCall(kService, client_, kClientInterface, QStringLiteral("Stop")),
                           2000),
            this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this] { deleteLater(); });
    }

    std::function<void(const LocateResult&)> done_;
    QTimer deadline_;
    QString client_;
    bool started_ = false, reading_ = false;
};

} // namespace

void ProbeGeoClue(std::function<void(bool)> done)
{
    PostToUiThread([done = std::move(done)]() mutable { (new Probe(std::move(done)))->Begin(); });
}

void LocateOnce(std::function<void(const LocateResult&)> done, int deadlineMs)
{
    PostToUiThread([done = std::move(done), deadlineMs]() mutable {
        (new Locate(std::move(done), deadlineMs > 0 ? deadlineMs : DefaultDeadline()))->Begin();
    });
}

void SetGeoClueBus(const std::string& address, int deadlineMs)
{
    RunOnUiThread([&] {
        BusAddress() = address;
        DefaultDeadline() = deadlineMs;
    });
}

} // namespace nuro

#include "GeoClue.moc"
