// The tray's rules that need no window: which mouse events act, and the four commands of menu 103.
#pragma once

namespace nuro {

enum TrayCommand : int {
    kTrayExit = 11842,
    kTrayHide = 40003,
    kTrayAbout = 40005,
    kTrayShow = 40006,
    kTrayStopSound = 40007, // offered only while a sound plays
};

inline constexpr const char* kStopSoundText = "Stop sound";

inline constexpr int kTrayMenuId = 103;
inline constexpr int kTrayIconResource = 110;
inline constexpr const char* kTrayTip = "NURO :)!";

enum class TrayMouse { LeftDoubleClick, RightRelease, LeftClick, MiddleClick, Other };
enum class TrayReaction { Ignore, Show, OpenMenu };

// While the menu is tracked every event is ignored, so a second right click never opens a second menu.
TrayReaction ReactToTrayMouse(TrayMouse event, bool menuBusy);

// What the tray host does for each command.
class TrayActions {
public:
    virtual ~TrayActions() = default;
    virtual void ShowMainFrame() = 0;
    virtual void HideMainFrame() = 0;
    virtual void HideTrayHost() = 0;
    virtual void ShowAboutFromTray() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual void ExitProgram() = 0;
    virtual void StopSound() {}
};

// True when the command is one of the tray host's; any other is left alone.
bool DispatchTrayCommand(int command, TrayActions& actions);

} // namespace nuro
