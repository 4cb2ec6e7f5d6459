#include "platform/os/Session.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace nuro {

bool WaylandSession()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool AlertNotificationsOn(std::int32_t setting)
{
    return setting < 0 ? WaylandSession() : setting != 0;
}

void UseActivationToken(const QString& token)
{
    // Qt's Wayland plugin takes a pending token from the environment at the next activation.
    if (WaylandSession() && !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

void AskForActivation(QWidget* window)
{
    if (!window || !WaylandSession())
        return;
    window->activateWindow();
    if (QWindow* handle = window->windowHandle())
        handle->requestActivate();
}

} // namespace nuro
