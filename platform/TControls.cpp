#include "platform/TControls.h"

#include "platform/DialogOps.h"
#include "platform/TDialog.h"
#include "platform/os/UiThread.h"

namespace nuro {

// The parent's window is read on the user-interface thread, where it is created and destroyed.
QWidget* TControl::DialogWidget() const
{
    return CallOnUiThread([this] { return parent_->Window(); });
}

QWidget* TControl::Widget() const
{
    return CallOnUiThread([this] { return GetDlgItem(parent_->Window(), id_); });
}

void TControl::Show(bool show)
{
    RunOnUiThread([&] { ShowDlgItem(parent_->Window(), id_, show); });
}

bool TControl::IsVisible() const
{
    return CallOnUiThread([this] { return IsDlgItemVisible(parent_->Window(), id_); });
}

void TControl::Enable(bool enable)
{
    RunOnUiThread([&] { EnableDlgItem(parent_->Window(), id_, enable); });
}

std::string TControl::GetText(int maxChars) const
{
    return CallOnUiThread([&] { return GetDlgItemText(parent_->Window(), id_, maxChars); });
}

void TControl::SetText(const std::string& text)
{
    RunOnUiThread([&] { SetDlgItemText(parent_->Window(), id_, text); });
}

int TCheckBox::GetCheck() const
{
    return CallOnUiThread([this] { return IsDlgButtonChecked(DialogWidget(), GetId()); });
}

void TCheckBox::SetCheck(int state)
{
    RunOnUiThread([&] { CheckDlgButton(DialogWidget(), GetId(), state); });
}

} // namespace nuro
