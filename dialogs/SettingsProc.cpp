#include "dialogs/SettingsProc.h"

#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"

#include <QWidget>

namespace nuro {

void OpenSettingsDialog(QWidget*& dlg, const DialogTemplate& tmpl, DialogProc proc)
{
    if (dlg) {
        ShowWindow(dlg, true);
        return;
    }
    // Modeless: the program's own event loop serves it, and no window is blocked by it.
    dlg = CreateDialogParam(tmpl, nullptr, std::move(proc));
}

void ResetSettingsDialogs()
{
    ResetConfigDialog();
    ResetExpertDialog();
    ResetSummerTimeDialog();
    ResetSoundsDialog();
}

} // namespace nuro
