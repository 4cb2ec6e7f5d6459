// The About box: run modally over its owner, placed over the main frame window, ended by OK, Escape
// or the window manager's close.
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"

#include "platform/DialogProc.h"
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr int kOk = 1;

bool AboutProc(QWidget* dlg, DialogMessage msg, int id, unsigned)
{
    if (msg == DialogMessage::InitDialog) {
        PlaceOverMainFrame(dlg);
        return true;
    }
    // Escape and a close request (unhandled, it comes back as IDCANCEL) end it as OK does.
    if (msg == DialogMessage::Command && ActsAsOk(id & 0xFFFF, kOk)) {
        EndDialog(dlg, 1);
        return true;
    }
    return false;
}

} // namespace

void ShowAbout(QWidget* owner)
{
    DialogBoxParam(AboutTemplate(), owner, AboutProc);
}

} // namespace nuro
