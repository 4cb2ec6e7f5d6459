// Wrappers of a dialog's controls, bound by id: they act on the first control with that id in
// the parent dialog's window once it exists (nothing before). Usable from any thread.
#pragma once

#include <string>

class QWidget;

namespace nuro {

class TDialog;

class TControl {
public:
    TControl(TDialog* parent, int id) : parent_(parent), id_(id) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int GetId() const { return id_; }
    QWidget* Widget() const;

    void Show(bool show);
    bool IsVisible() const;
    void Enable(bool enable);
    // At most maxChars - 1 characters, as GetDlgItemText.
    std::string GetText(int maxChars) const;
    void SetText(const std::string& text);

protected:
    QWidget* DialogWidget() const;

private:
    TDialog* parent_;
    int id_;
};

class TEdit : public TControl {
public:
    using TControl::TControl;
};

class TButton : public TControl {
public:
    using TControl::TControl;
};

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    int GetCheck() const; // BST_CHECKED or BST_UNCHECKED
    void SetCheck(int state);
    void Check() { SetCheck(1); }
    void Uncheck() { SetCheck(0); }
};

class TRadioButton : public TCheckBox {
public:
    using TCheckBox::TCheckBox;
};

} // namespace nuro
