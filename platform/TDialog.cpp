#include "platform/TDialog.h"

#include "platform/DialogWindow.h"
#include "platform/TemplateBuilder.h"

#include <QBoxLayout>

namespace nuro {

const TResponseEntry<TDialog> TDialog::kResponses[] = {
    {BN_CLICKED, IDOK, &TDialog::CmOk},
    {BN_CLICKED, IDCANCEL, &TDialog::CmCancel},
};

TDialog::TDialog(TWindow* parent, const DialogTemplate& tmpl) : TWindow(parent), tmpl_(tmpl)
{
}

TDialog::~TDialog()
{
    delete window_.data();
}

bool TDialog::DispatchCommand(int id, unsigned code)
{
    return Respond(*this, kResponses, id, code) || TWindow::DispatchCommand(id, code);
}

QWidget* TDialog::Window() const
{
    return window_.data();
}

QWidget* TDialog::OwnerWidget() const
{
    return Parent() ? Parent()->Window() : nullptr;
}

void TDialog::SetBkgndColor(const TBrush& brush)
{
    brush_ = brush;
    if (window_)
        window_->SetBackgroundColor(brush.Color());
}

DialogWindow* TDialog::Build(QWidget* parentWidget, bool child)
{
    delete window_.data();
    window_ = BuildDialog(tmpl_, parentWidget, child);
    window_->SetCommandSink([this](int id, unsigned code) { DispatchCommand(id, code); });
    window_->SetCloseHandler([this] { DispatchCommand(IDCANCEL, BN_CLICKED); });
    if (brush_)
        SetBkgndColor(*brush_);
    return window_;
}

int TDialog::Execute()
{
    return RunModal(
        [this] {
            QWidget* owner = OwnerWidget();
            DialogWindow* w = Build(owner, false);
            w->setWindowModality(owner ? Qt::WindowModal : Qt::NonModal);
            modal_ = true;
            SetupWindow();
            return w;
        },
        [this](DialogWindow* w) {
            modal_ = false;
            window_ = nullptr;
            w->deleteLater();
        });
}

void TDialog::Create()
{
    if (window_)
        return;
    Build(OwnerWidget(), false);
    SetupWindow();
    if (tmpl_.style & WS_Visible)
        window_->show();
}

void TDialog::CreateAsClient(QWidget* frameWidget, QBoxLayout* layout)
{
    client_ = true;
    Build(frameWidget, true);
    layout->addWidget(window_);
    SetupWindow();
}

void TDialog::Show()
{
    if (window_)
        window_->show();
}

void TDialog::Hide()
{
    if (window_)
        window_->hide();
}

void TDialog::CloseWindow(int result)
{
    if (!window_ || client_)
        return;
    if (modal_)
        window_->End(result);
    else
        window_->hide();
}

void TDialog::CmOk()
{
    // A frame's client is not closed by its own OK: Enter in the main window must not end it.
    if (client_ || !window_)
        return;
    if (CanClose())
        CloseWindow(IDOK);
}

void TDialog::CmCancel()
{
    CloseWindow(IDCANCEL);
}

} // namespace nuro
