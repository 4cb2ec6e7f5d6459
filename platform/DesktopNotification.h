// Desktop notifications through the freedesktop service on the session bus.
#pragma once

#include <string>

namespace nuro {

// Raises a silent notification ("suppress-sound") from NURO. Callable from any thread: the message is
// sent from the user-interface thread and no answer is waited for, so a missing or slow notification
// service never holds the caller; without a session bus nothing is shown.
void ShowDesktopNotification(const std::string& summary, const std::string& body);

} // namespace nuro
