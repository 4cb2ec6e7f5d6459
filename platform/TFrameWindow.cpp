#include "platform/TFrameWindow.h"

#include "platform/DialogWindow.h"
#include "platform/Menus.h"
#include "platform/TDialog.h"
#include "resources/Pictures.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QVBoxLayout>

namespace nuro {
namespace {

class FrameWidget : public QFrame {
public:
    explicit FrameWidget(TFrameWindow* owner) : owner_(owner) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // Closing hides the frame at most: the application goes on in the tray.
        event->ignore();
        if (owner_->CanClose())
            hide();
    }

private:
    TFrameWindow* owner_;
};

} // namespace

TFrameWindow::TFrameWindow(TWindow* parent, const std::string& title, TDialog* client, bool shrinkToClient)
    : TWindow(parent), title_(title), client_(client), shrinkToClient_(shrinkToClient)
{
}

TFrameWindow::~TFrameWindow()
{
    client_.reset();
    delete window_.data();
}

QWidget* TFrameWindow::Window() const
{
    return window_.data();
}

void TFrameWindow::SetIcon(const QIcon& icon)
{
    icon_ = icon;
    if (window_)
        window_->setWindowIcon(icon);
}

void TFrameWindow::AssignMenu(int menuId)
{
    menuId_ = menuId;
    ApplyMenu();
}

void TFrameWindow::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
    if (window_)
        window_->move(x, y);
}

void TFrameWindow::SetDialogFrameWithoutTitle(bool on)
{
    frameless_ = on;
}

void TFrameWindow::ApplyMenu()
{
    if (!window_ || menuId_ == 0)
        return;
    const MenuTemplate* menu = FindMenu(menuId_);
    auto* layout = qobject_cast<QVBoxLayout*>(window_->layout());
    if (!menu || !layout)
        return;
    delete layout->menuBar();
    layout->setMenuBar(BuildMenuBar(*menu, window_, [this](int id) { DispatchCommand(id, BN_CLICKED); }));
}

void TFrameWindow::Create()
{
    if (window_)
        return;
    auto* frame = new FrameWidget(this);
    window_ = frame;
    Qt::WindowFlags flags = Qt::Window;
    if (frameless_) {
        flags |= Qt::FramelessWindowHint;
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
    } else {
        flags |=
            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    }
    frame->setWindowFlags(flags);
    frame->setWindowTitle(QString::fromStdString(title_));
    if (!icon_.isNull())
        frame->setWindowIcon(icon_);
    if (position_)
        frame->move(*position_);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(), frame->frameWidth());
    layout->setSpacing(0);
    if (shrinkToClient_)
        layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyMenu();
    if (client_)
        client_->CreateAsClient(frame, layout);
}

bool TFrameWindow::DispatchCommand(int id, unsigned code)
{
    return (client_ && client_->DispatchCommand(id, code)) || TWindow::DispatchCommand(id, code);
}

bool TFrameWindow::CanClose()
{
    return !client_ || client_->CanClose();
}

} // namespace nuro
