// Desktop notifications through the freedesktop service on the session bus.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nuro {

// Raises a silent notification ("suppress-sound") from NURO. Callable from any thread: the message is
// sent from the user-interface thread and no answer is waited for, so a missing or slow notification
// service never holds the caller; without a session bus nothing is shown.
void ShowDesktopNotification(const std::string& summary, const std::string& body);

struct NotificationAction {
    std::string key; // what the server reports back
    std::string label; // the button's text
};

using NotificationHandle = std::uint64_t; // 0: none

// A notification that stays until the user dismisses it or it is withdrawn: urgency critical, no
// expiry, resident (an action does not remove it). `onAction` runs on the user-interface thread with
// the key of the action chosen. Like ShowDesktopNotification, callable from any thread and never
// waiting for the service: the calls below may come before the service has answered.
NotificationHandle RaiseLastingNotification(const std::string& summary, const std::string& body,
                                            std::vector<NotificationAction> actions,
                                            std::function<void(const std::string& key)> onAction);
// The same notification with other actions, in place.
void SetNotificationActions(NotificationHandle handle, std::vector<NotificationAction> actions);
// Takes it off the screen (CloseNotification); nothing when the user already dismissed it.
void WithdrawNotification(NotificationHandle handle);
// Takes every lasting notification off the screen as the process ends, so that none outlives the
// program whose "Show" it offers; waits for the service a moment at most. From the user-interface
// thread; elsewhere nothing.
void WithdrawAllNotifications();

} // namespace nuro
