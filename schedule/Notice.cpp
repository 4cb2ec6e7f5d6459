#include "schedule/Notice.h"

#include "platform/DialogOps.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "platform/UiThread.h"
#include "resources/templates/NoticeTemplates.h"

#include <QPointer>
#include <QWidget>

#include <iostream>

namespace nuro {
namespace {

QPointer<QWidget>& Owner()
{
    static QPointer<QWidget> owner; // only touched on the user-interface thread
    return owner;
}

} // namespace

ScreenPoint ScreenPlacement() { return ScreenPlacement(GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)); }

bool IsNonNtPlatform() { return false; }

bool NoticeDialogProc(QWidget* dlg, DialogMessage msg, int id, unsigned /*code*/)
{
    switch (msg) {
    case DialogMessage::InitDialog: {
        // Our own window above the others, not a desktop notification; closing it is no reason to quit.
        dlg->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        dlg->setAttribute(Qt::WA_QuitOnClose, false);
        const ScreenPoint at = ScreenPlacement();
        MoveWindow(dlg, at.x, at.y, false);
        return true;
    }
    case DialogMessage::Command: {
        const unsigned command = static_cast<unsigned>(id) & 0xFFFFu;
        if ((command >= kFirstNoticePictureId && command <= kLastNoticePictureId) || command == kNoticeCloseId) {
            EndDialog(dlg, 1);
            return true;
        }
        return false;
    }
    case DialogMessage::Close:
        return false;
    }
    return false;
}

bool PlayNoticeSound(const std::function<bool()>& soundBoxOn, const std::string& chosen)
{
    if (!soundBoxOn || !soundBoxOn())
        return false;
    // A chosen file that fails falls back to "um.wav"; a missing "um.wav" plays the default tone.
    PlayChosenSound(chosen, kNoticeSound, std::cerr);
    return true;
}

std::string ChosenNoticeSound(int templateId)
{
    for (std::size_t i = 0; i < kNoticeTable.size(); ++i)
        if (kNoticeTable[i].templateId == templateId)
            return SnapshotSettings().extra.SOUND[i];
    return {};
}

void SetNoticeOwner(QWidget* mainFrame) { Owner() = mainFrame; }

void OpenNotice(int templateId, const std::function<bool()>& soundBoxOn)
{
    const DialogTemplate* tmpl = FindNoticeTemplate(templateId);
    if (!tmpl)
        return;
    // The sound comes first and holds only the calling thread, never the user-interface thread.
    PlayNoticeSound(soundBoxOn, ChosenNoticeSound(templateId));
    QWidget* owner = CallOnUiThread([]() -> QWidget* { return Owner().data(); });
    DialogBoxParam(*tmpl, owner, NoticeDialogProc);
}

void NoticeMonitorHost::ShowNotice(int templateId)
{
    OpenNotice(templateId, [this] { return SoundBoxOn(); });
}

} // namespace nuro
