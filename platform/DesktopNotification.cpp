#include "platform/DesktopNotification.h"

#include "platform/UiThread.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace nuro {

void ShowDesktopNotification(const std::string& summary, const std::string& body)
{
    PostToUiThread([summary, body] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.freedesktop.Notifications",
            "Notify");
        QVariantMap hints;
        hints.insert("suppress-sound", true);
        hints.insert("desktop-entry", QString("nuro"));
        hints.insert("urgency", QVariant::fromValue<uchar>(1));
        call << QString("NURO") << 0u << QString("nuro") << QString::fromStdString(summary)
             << QString::fromStdString(body) << QStringList() << hints << -1;
        bus.send(call); // no reply wanted: nothing waits on the service
    });
}

} // namespace nuro
