#include "platform/os/DesktopNotification.h"

#include "platform/os/UiThread.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

#include <atomic>
#include <map>

namespace nuro {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr int kClosingWaitMs = 500; // per notification, as the process ends

QDBusMessage NotifyCall(quint32 replaces, const std::string& summary, const std::string& body,
                        const std::vector<NotificationAction>& actions, uchar urgency, bool resident, int timeout)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("nuro"));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(urgency));
    if (resident)
        hints.insert(QStringLiteral("resident"), true);
    QStringList flat;
    for (const NotificationAction& a : actions)
        flat << QString::fromStdString(a.key) << QString::fromStdString(a.label);
    call << QStringLiteral("NURO") << replaces << QStringLiteral("nuro") << QString::fromStdString(summary)
         << QString::fromStdString(body) << flat << hints << timeout;
    return call;
}

// The lasting notifications, kept on the user-interface thread: the server's id comes with the answer
// to Notify, and what was asked for meanwhile is done then.
class LastingNotifications : public QObject {
    Q_OBJECT
public:
    struct Entry {
        quint32 serverId = 0;
        std::string summary, body;
        std::vector<NotificationAction> actions;
        std::function<void(const std::string&)> onAction;
        bool withdrawn = false; // asked before the server answered
        bool changed = false; // actions changed before the server answered
    };

    static LastingNotifications& Instance()
    {
        static auto* instance = new LastingNotifications; // lives as long as the process
        return *instance;
    }

    void Raise(NotificationHandle handle, Entry entry)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        Listen(bus);
        entries_[handle] = std::move(entry);
        const Entry& e = entries_[handle];
        auto* watcher =
            new QDBusPendingCallWatcher(bus.asyncCall(NotifyCall(0, e.summary, e.body, e.actions, 2, true, 0)), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, handle](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            QDBusPendingReply<quint32> reply = *w;
            auto it = entries_.find(handle);
            if (it == entries_.end())
                return;
            if (reply.isError()) {
                entries_.erase(it);
                return;
            }
            it->second.serverId = reply.value();
            if (it->second.withdrawn)
                Withdraw(handle);
            else if (it->second.changed)
                SendActions(it->second);
        });
    }

    void SetActions(NotificationHandle handle, std::vector<NotificationAction> actions)
    {
        auto it = entries_.find(handle);
        if (it == entries_.end())
            return;
        it->second.actions = std::move(actions);
        if (it->second.serverId)
            SendActions(it->second);
        else
            it->second.changed = true;
    }

    void Withdraw(NotificationHandle handle)
    {
        auto it = entries_.find(handle);
        if (it == entries_.end())
            return;
        if (!it->second.serverId) {
            it->second.withdrawn = true;
            return;
        }
        QDBusConnection::sessionBus().send(
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("CloseNotification"))
            << it->second.serverId);
        entries_.erase(it);
    }

    void WithdrawAll()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        for (const auto& [handle, e] : entries_) {
            if (!e.serverId || !bus.isConnected())
                continue;
            QDBusMessage close =
                QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("CloseNotification"));
            close << e.serverId;
            bus.call(close, QDBus::Block, kClosingWaitMs);
        }
        entries_.clear();
    }

private slots:
    void OnAction(uint id, const QString& key)
    {
        for (auto& [handle, e] : entries_)
            if (e.serverId == id && e.onAction) {
                const auto onAction = e.onAction; // the action may withdraw the entry
                onAction(key.toStdString());
                return;
            }
    }
    void OnClosed(uint id, uint /*reason*/)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->second.serverId == id) {
                entries_.erase(it);
                return;
            }
    }

private:
    void Listen(QDBusConnection& bus)
    {
        if (listening_)
            return;
        listening_ = true;
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(OnAction(uint, QString)));
        bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(OnClosed(uint, uint)));
    }
    void SendActions(Entry& e)
    {
        e.changed = false;
        QDBusConnection::sessionBus().send(NotifyCall(e.serverId, e.summary, e.body, e.actions, 2, true, 0));
    }

    std::map<NotificationHandle, Entry> entries_;
    bool listening_ = false;
};

std::atomic<NotificationHandle> lastHandle{0};

} // namespace

void ShowDesktopNotification(const std::string& summary, const std::string& body)
{
    PostToUiThread([summary, body] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        bus.send(NotifyCall(0, summary, body, {}, 1, false, -1)); // no reply wanted: nothing waits on the service
    });
}

NotificationHandle RaiseLastingNotification(const std::string& summary, const std::string& body,
                                            std::vector<NotificationAction> actions,
                                            std::function<void(const std::string& key)> onAction)
{
    const NotificationHandle handle = ++lastHandle;
    LastingNotifications::Entry entry;
    entry.summary = summary;
    entry.body = body;
    entry.actions = std::move(actions);
    entry.onAction = std::move(onAction);
    PostToUiThread([handle, entry = std::move(entry)]() mutable {
        LastingNotifications::Instance().Raise(handle, std::move(entry));
    });
    return handle;
}

void SetNotificationActions(NotificationHandle handle, std::vector<NotificationAction> actions)
{
    if (handle)
        PostToUiThread([handle, actions = std::move(actions)]() mutable {
            LastingNotifications::Instance().SetActions(handle, std::move(actions));
        });
}

void WithdrawNotification(NotificationHandle handle)
{
    if (handle)
        PostToUiThread([handle] { LastingNotifications::Instance().Withdraw(handle); });
}

void WithdrawAllNotifications()
{
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread())
        LastingNotifications::Instance().WithdrawAll();
}

} // namespace nuro

#include "DesktopNotification.moc"
