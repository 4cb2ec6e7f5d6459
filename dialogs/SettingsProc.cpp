#include "dialogs/SettingsProc.h"

#include "platform/DialogOps.h"

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

} // namespace nuro
