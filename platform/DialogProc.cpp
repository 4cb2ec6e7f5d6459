#include "platform/DialogProc.h"

#include "platform/DialogWindow.h"
#include "platform/TemplateBuilder.h"
#include "platform/os/UiThread.h"

namespace nuro {
namespace {

// Only a dialog box blocks its owner; a modeless dialog with an owner merely stays above it.
DialogWindow* BuildWithProc(const DialogTemplate& tmpl, QWidget* owner, bool modal, const DialogProc& proc,
                            std::intptr_t param)
{
    DialogWindow* w = BuildDialog(tmpl, owner, false);
    w->SetParam(param);
    w->setWindowModality(modal && owner ? Qt::WindowModal : Qt::NonModal);
    w->SetCommandSink([w, proc](int id, unsigned code) {
        if (proc)
            proc(w, DialogMessage::Command, id, code);
    });
    w->SetCloseHandler([w, proc] {
        if (proc && !proc(w, DialogMessage::Close, 0, 0))
            proc(w, DialogMessage::Command, IDCANCEL, BN_CLICKED);
    });
    if (proc)
        proc(w, DialogMessage::InitDialog, 0, 0);
    return w;
}

} // namespace

int DialogBoxParam(const DialogTemplate& tmpl, QWidget* owner, DialogProc proc, std::intptr_t param)
{
    return RunModal([&] { return BuildWithProc(tmpl, owner, true, proc, param); },
                    [](DialogWindow* w) { w->deleteLater(); });
}

QWidget* CreateDialogParam(const DialogTemplate& tmpl, QWidget* owner, DialogProc proc, std::intptr_t param)
{
    return CallOnUiThread([&]() -> QWidget* {
        DialogWindow* w = BuildWithProc(tmpl, owner, false, proc, param);
        if ((tmpl.style & WS_Visible) && !w->HasEnded())
            w->show();
        return w;
    });
}

void EndDialog(QWidget* dlg, int result)
{
    RunOnUiThread([&] {
        if (DialogWindow* w = DialogOf(dlg))
            w->End(result);
    });
}

std::intptr_t DialogParam(QWidget* dlg)
{
    return CallOnUiThread([&]() -> std::intptr_t {
        DialogWindow* w = DialogOf(dlg);
        return w ? w->Param() : 0;
    });
}

} // namespace nuro
