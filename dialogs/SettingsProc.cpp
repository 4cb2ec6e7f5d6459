#include "dialogs/SettingsProc.h"

#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"

#include <QWidget>

namespace nuro {

void OpenSettingsDialog(bool& opened, QWidget*& dlg, const DialogTemplate& tmpl, DialogProc proc)
{
    if (opened) {
        ShowWindow(dlg, true);
        return;
    }
    opened = true;
    // Modeless: the program's own event loop serves it, and no window is blocked by it.
    dlg = CreateDialogParam(tmpl, nullptr, std::move(proc));
}

void ResetSettingsDialogs()
{
    ResetConfigDialog();
    ResetExpertDialog();
    ResetSummerTimeDialog();
}

} // namespace nuro
