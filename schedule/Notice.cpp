#include "schedule/Notice.h"

#include "platform/DialogOps.h"
#include "platform/Screen.h"
#include "platform/os/Session.h"
#include "platform/os/Sound.h"
#include "platform/os/UiThread.h"
#include "resources/templates/NoticeTemplates.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <iostream>

namespace nuro {
namespace {

QPointer<QWidget>& Owner()
{
    static QPointer<QWidget> owner; // only touched on the user-interface thread
    return owner;
}

QPointer<QWidget>& OpenNoticeWindow()
{
    static QPointer<QWidget> notice; // only touched on the user-interface thread
    return notice;
}

// A window manager that offers minimize whatever the hints say (openbox does) must not hide the
// notice: it comes back as soon as it is minimized.
class RestoreWhenMinimized : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->windowState() & Qt::WindowMinimized) {
                QTimer::singleShot(0, w, [w] {
                    w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
                    w->show();
                    w->raise();
                });
            }
        }
        return false;
    }
};

} // namespace

ScreenPoint ScreenPlacement()
{
    return ScreenPlacement(GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
}

bool IsNonNtPlatform()
{
    return false;
}

bool NoticeDialogProc(QWidget* dlg, DialogMessage msg, int id, unsigned /*code*/)
{
    switch (msg) {
    case DialogMessage::InitDialog: {
        // Our own window above the others, not a desktop notification; closing it is no reason to quit.
        // Of a window manager's actions only close is asked for: no minimize, no maximize.
        dlg->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::WindowStaysOnTopHint);
        dlg->installEventFilter(new RestoreWhenMinimized(dlg));
        // A picture of its own size: a window manager offers no maximize for a window that cannot grow.
        dlg->setFixedSize(dlg->size());
        dlg->setAttribute(Qt::WA_QuitOnClose, false);
        const ScreenPoint at = ScreenPlacement();
        MoveWindow(dlg, at.x, at.y, false);
        OpenNoticeWindow() = dlg;
        // A Wayland compositor keeps no window of ours on top: the notice asks to be activated once
        // it is shown, and the desktop notification is what stays.
        QTimer::singleShot(0, dlg, [dlg] { AskForActivation(dlg); });
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
        // Alt+F4 or the title bar's close: the notice's own close.
        EndDialog(dlg, 1);
        return true;
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

void SetNoticeOwner(QWidget* mainFrame)
{
    Owner() = mainFrame;
}

void RaiseOpenNotice()
{
    QWidget* notice = OpenNoticeWindow().data();
    if (!notice || !notice->isVisible())
        return;
    notice->raise();
    notice->activateWindow();
    AskForActivation(notice);
}

void OpenNotice(int templateId, const std::function<bool()>& soundBoxOn, std::function<bool()> endNow,
                const std::function<void()>& afterSound)
{
    const DialogTemplate* tmpl = FindNoticeTemplate(templateId);
    if (!tmpl)
        return;
    // The sound comes first and holds only the calling thread, never the user-interface thread.
    PlayNoticeSound(soundBoxOn, ChosenNoticeSound(templateId));
    if (afterSound)
        afterSound();
    QWidget* owner = CallOnUiThread([]() -> QWidget* { return Owner().data(); });
    DialogBoxParam(*tmpl, owner, [endNow](QWidget* dlg, DialogMessage msg, int id, unsigned code) {
        if (msg == DialogMessage::InitDialog && endNow) {
            auto* check = new QTimer(dlg);
            QObject::connect(check, &QTimer::timeout, dlg, [dlg, endNow] {
                if (endNow())
                    EndDialog(dlg, 1);
            });
            check->start(kNoticeEndCheckMs);
        }
        return NoticeDialogProc(dlg, msg, id, code);
    });
}

void NoticeMonitorHost::ShowNotice(int templateId)
{
    const bool sound = SoundBoxOn();
    AlertBegins(templateId, sound);
    OpenNotice(
        templateId, [sound] { return sound; }, NextPrayerDueSoon, [this] { AlertSoundEnded(); });
    AlertEnded();
}

} // namespace nuro
