// The prayer notice: a picture window per alarmed prayer, opened at the monitor's request and
// closed by the user, with "um.wav" played first when the sound box is on.
#pragma once

#include "platform/DialogProc.h"
#include "schedule/AlarmMonitor.h"

#include <functional>
#include <string>

class QWidget;

namespace nuro {

inline constexpr const char* kNoticeSound = "um.wav";
inline constexpr int kNoticeCloseId = 1;
inline constexpr int kFirstNoticePictureId = 700;
inline constexpr int kLastNoticePictureId = 704;

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The fixed top-left corner used for the notice, the main frame and the About box, from the
// screen's width and height in pixels; the divisions truncate toward zero, nothing is clamped.
constexpr ScreenPoint ScreenPlacement(int width, int height)
{
    return {(width - 158) / 2 - 79, (height - 134) / 2 - 114};
}
// The same for the screen as the platform reports it (HORZRES, VERTRES).
ScreenPoint ScreenPlacement();

// Whether the older Windows family's way of showing a framework dialog applies: never here, so
// the About box takes its framework way and the notice always runs with NoticeDialogProc.
bool IsNonNtPlatform();

// The notice's procedure: at initialisation it moves the window to ScreenPlacement without
// activating it, keeps it above other windows with no window-manager action but close, and brings it
// back at once when it is minimized; the commands 700 to 704 (the picture) and 1 (the close button)
// end it with 1, and so does a window manager's close request; any other command and Escape do not.
bool NoticeDialogProc(QWidget* dlg, DialogMessage msg, int id, unsigned code);

// Plays the prayer's chosen file (SOUND_FAJ .. SOUND_ICH; "" = "um.wav", which is also the fallback)
// to its end when soundBoxOn() answers true; false when nothing was asked to play.
bool PlayNoticeSound(const std::function<bool()>& soundBoxOn, const std::string& chosen = "");

// The chosen sound of the notice template's prayer, from the settings; "" for um.wav.
std::string ChosenNoticeSound(int templateId);

// The window the notice is modal to: the main frame once it exists (nullptr: modal to nothing).
// Set on the user-interface thread.
void SetNoticeOwner(QWidget* mainFrame);

// Plays the sound (on the calling thread), then shows the template's notice on the user-interface
// thread and returns once it has been closed, or once `endNow` (asked on the user-interface thread a
// few times a second) holds: a notice minimized or sent away must not hold the monitor for ever.
// Callable from any thread; an unknown id does nothing.
// `afterSound` runs on the calling thread once the sound has ended (played, stopped, or none).
void OpenNotice(int templateId, const std::function<bool()>& soundBoxOn, std::function<bool()> endNow = {},
                const std::function<void()>& afterSound = {});

// Brings the open notice (if any) to the front and asks for its activation. User-interface thread.
void RaiseOpenNotice();

inline constexpr int kNoticeEndCheckMs = 250;

// A MonitorHost whose notices are the real ones; the program supplies the rest.
class NoticeMonitorHost : public MonitorHost {
public:
    void ShowNotice(int templateId) override;

protected:
    // Around each notice, on the monitor thread; each must return at once. `sound`: a sound will play.
    virtual void AlertBegins(int /*templateId*/, bool /*sound*/) {}
    virtual void AlertSoundEnded() {}
    virtual void AlertEnded() {}
};

} // namespace nuro
