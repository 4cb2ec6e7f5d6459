// The rule that puts every dialog over the main frame window.
#include "dialogs/Dialogs.h"
#include "dialogs/Placement.h"
#include "dialogs/SettingsDialogs.h"

#include "platform/DialogOps.h"
#include "platform/Screen.h"

#include <QPointer>
#include <QWidget>

namespace nuro {
namespace {

QPointer<QWidget>& MainFrame()
{
    static QPointer<QWidget> frame;
    return frame;
}

} // namespace

void SetDialogsMainFrame(QWidget* mainFrame)
{
    MainFrame() = mainFrame;
}

QWidget* DialogsMainFrame()
{
    return MainFrame().data();
}

void PlaceOverMainFrame(QWidget* dialog)
{
    if (!dialog)
        return;
    const QRect own = GetWindowRect(dialog);
    // The frame's rectangle counts even while it is hidden in the tray.
    const QRect frame = MainFrame() ? GetWindowRect(MainFrame()) : QRect();
    const ScreenPoint at = CentredOver(own.width(), own.height(), {frame.x(), frame.y(), frame.width(), frame.height()},
                                       GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    MoveWindow(dialog, at.x, at.y, true);
}

} // namespace nuro
