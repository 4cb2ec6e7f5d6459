// What the settings dialogs share: created once without owner, shown again later; they have no Cancel,
// so Escape and the window manager's close request act as their OK.
#pragma once

#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/DialogWindow.h"
#include "resources/DialogTemplate.h"

class QWidget;

namespace nuro {

// The notice pictures' commands, which every settings dialog treats as its own OK.
inline bool IsNoticeCommand(int id)
{
    return id >= 700 && id <= 704;
}

// OK itself, the notice pictures' commands, and IDCANCEL (Escape, or a close request left unhandled).
inline bool ActsAsOk(int id, int ok)
{
    return id == ok || IsNoticeCommand(id) || id == IDCANCEL;
}

// A close request is left to come back as IDCANCEL, which ActsAsOk takes.
inline bool CloseActsAsOk()
{
    return false;
}

// A check box or radio button by id, as on or off.
inline void Check(QWidget* dlg, int id, bool on)
{
    CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED);
}
inline bool Checked(QWidget* dlg, int id)
{
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}

// Shows the dialog when it exists; otherwise creates it from `tmpl` with no owner into `dlg`.
void OpenSettingsDialog(QWidget*& dlg, const DialogTemplate& tmpl, DialogProc proc);

// Each dialog's part of ResetSettingsDialogs.
void ResetConfigDialog();
void ResetExpertDialog();
void ResetSummerTimeDialog();
void ResetSoundsDialog();

} // namespace nuro
