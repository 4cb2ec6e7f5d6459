// What kind of graphical session the program runs in, and what follows from it.
#pragma once

#include <cstdint>

class QString;
class QWidget;

namespace nuro {

// Whether the program shows its windows through Qt's Wayland plugin: no window of ours can then keep
// itself above the others.
bool WaylandSession();

// Whether each alert also raises a desktop notification (ALERT_NOTIFY): 1 on, 0 off, and without the
// key on a Wayland session only, so an X11 desktop keeps its notice alone.
bool AlertNotificationsOn(std::int32_t setting);

// Keeps the activation token a tray host handed over, for the next window the program activates.
void UseActivationToken(const QString& token);

// On Wayland, asks the compositor to activate the window (xdg-activation, where Qt's plugin has it):
// a window shown without the user's click is otherwise left behind the focused one. Nothing on X11.
void AskForActivation(QWidget* window);

} // namespace nuro
