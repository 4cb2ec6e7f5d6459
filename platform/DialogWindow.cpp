#include "platform/DialogWindow.h"

#include "platform/os/UiThread.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QPointer>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace nuro {

DialogWindow::DialogWindow(const DialogTemplate& tmpl, QWidget* parent, bool child)
    : QWidget(parent, child ? Qt::Widget : Qt::Dialog), tmpl_(tmpl)
{
}

DialogWindow::~DialogWindow() = default;

void DialogWindow::SetBackgroundColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void DialogWindow::SendCommand(int id, unsigned code)
{
    if (sink_)
        sink_(id, code);
}

void DialogWindow::AddControl(QWidget* control, int id)
{
    control->setProperty(kControlIdProperty, id);
    control->setObjectName(QStringLiteral("id%1").arg(id));
    controls_.push_back(control);
}

QWidget* DialogWindow::Control(int id) const
{
    for (QWidget* w : controls_)
        if (w->property(kControlIdProperty).toInt() == id)
            return w;
    return nullptr;
}

void DialogWindow::End(int result)
{
    result_ = result;
    ended_ = true;
    hide();
    emit ended(result);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The window decides for itself; a close request never destroys it behind its back.
    event->ignore();
    if (closeHandler_)
        closeHandler_();
}

int DialogWindow::EnterCommandId() const
{
    // Enter presses the focused push button, else the default one, else sends IDOK.
    QWidget* focus = focusWidget();
    for (QWidget* w : controls_) {
        if (w == focus && w->property("pushKind").toBool())
            return w->property(kControlIdProperty).toInt();
    }
    for (QWidget* w : controls_) {
        auto* b = qobject_cast<QPushButton*>(w);
        if (b && b->isDefault() && b->isEnabled())
            return w->property(kControlIdProperty).toInt();
    }
    return IDOK;
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        SendCommand(IDCANCEL, BN_CLICKED);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SendCommand(EnterCommandId(), BN_CLICKED);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

DialogWindow* DialogOf(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* d = qobject_cast<DialogWindow*>(w))
            return d;
    return nullptr;
}

int RunModal(const std::function<DialogWindow*()>& build, const std::function<void(DialogWindow*)>& dispose)
{
    if (OnUiThread()) {
        QPointer<DialogWindow> w = build();
        if (!w)
            return -1;
        if (!w->HasEnded()) {
            QEventLoop loop;
            QObject::connect(w, &DialogWindow::ended, &loop, &QEventLoop::quit);
            QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
            w->show();
            loop.exec(QEventLoop::DialogExec);
        }
        const int result = w ? w->Result() : -1;
        if (w && dispose)
            dispose(w);
        return result;
    }

    struct Run {
        std::mutex mutex; // guards finished and result
        std::condition_variable cv;
        bool finished = false;
        int result = -1;
        void Finish(int r)
        {
            std::lock_guard lock(mutex);
            if (!finished) {
                finished = true;
                result = r;
                cv.notify_all();
            }
        }
    };
    auto run = std::make_shared<Run>();
    RunOnUiThread([&build, &dispose, run] {
        DialogWindow* w = build();
        if (!w) {
            run->Finish(-1);
            return;
        }
        auto finish = [w, run, dispose] {
            run->Finish(w->Result());
            if (dispose)
                dispose(w);
        };
        if (w->HasEnded()) {
            finish();
            return;
        }
        QObject::connect(w, &DialogWindow::ended, w, finish, Qt::QueuedConnection);
        QObject::connect(w, &QObject::destroyed, [run] { run->Finish(-1); });
        w->show();
    });
    std::unique_lock lock(run->mutex);
    run->cv.wait(lock, [&] { return run->finished; });
    return run->result;
}

} // namespace nuro
