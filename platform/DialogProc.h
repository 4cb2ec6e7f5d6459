// Plain dialog procedures: a template run with a function that answers its messages.
#pragma once

#include "resources/DialogTemplate.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace nuro {

enum class DialogMessage {
    InitDialog, // the controls exist; id and code are 0
    Command, // a control or key: id and notification code
    Close, // the window manager asks to close; unhandled, it arrives again as Command IDCANCEL
};

// Returns whether it handled the message. Runs on the user-interface thread.
using DialogProc = std::function<bool(QWidget* dlg, DialogMessage msg, int id, unsigned code)>;

// Runs the template modally (modal to owner's window; nothing is blocked without owner) and
// returns EndDialog's result, or -1 when it could not run. Callable from any thread: off the
// user-interface thread the caller waits while that thread serves the dialog. Escape sends
// Command IDCANCEL and Enter the default button's command (IDOK without one); neither ends the
// dialog unless the procedure does.
int DialogBoxParam(const DialogTemplate& tmpl, QWidget* owner, DialogProc proc, std::intptr_t param = 0);

// Creates the template as a modeless dialog (shown when the template has WS_Visible) and returns
// its window, which lives until deleted; ShowWindow shows and hides it again.
QWidget* CreateDialogParam(const DialogTemplate& tmpl, QWidget* owner, DialogProc proc, std::intptr_t param = 0);

// Ends a modal run with result (a modeless dialog is hidden).
void EndDialog(QWidget* dlg, int result);

// The param given to DialogBoxParam or CreateDialogParam.
std::intptr_t DialogParam(QWidget* dlg);

} // namespace nuro
