#include "shell/TrayRules.h"

namespace nuro {

TrayReaction ReactToTrayMouse(TrayMouse event, const TrayState& state)
{
    if (state.menuBusy)
        return TrayReaction::Ignore;
    switch (event) {
    case TrayMouse::LeftDoubleClick:
        return TrayReaction::Show;
    case TrayMouse::RightRelease:
        return TrayReaction::OpenMenu;
    case TrayMouse::LeftClick:
        if (state.kind != TrayKind::StatusNotifier)
            return TrayReaction::Ignore;
        return state.hostLacksMenu ? TrayReaction::OpenMenu : TrayReaction::Show;
    default:
        return TrayReaction::Ignore;
    }
}

bool DispatchTrayCommand(int command, TrayActions& actions)
{
    switch (command) {
    case kTrayExit:
        actions.RemoveTrayIcon();
        actions.ExitProgram();
        return true;
    case kTrayHide:
        actions.HideMainFrame();
        actions.HideTrayHost();
        return true;
    case kTrayAbout:
        actions.ShowAboutFromTray();
        return true;
    case kTrayShow:
        actions.ShowMainFrame();
        return true;
    case kTrayStopSound:
        actions.StopSound();
        return true;
    default:
        return false;
    }
}

} // namespace nuro
