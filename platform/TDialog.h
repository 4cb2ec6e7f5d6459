// A dialog built from a template, run modally (Execute), modelessly (Create) or as the client
// of a frame window.
#pragma once

#include "platform/ResponseTable.h"
#include "platform/TBrush.h"
#include "platform/TWindow.h"
#include "resources/DialogTemplate.h"

#include <QPointer>

#include <optional>

class QBoxLayout;

namespace nuro {

class DialogWindow;

class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, const DialogTemplate& tmpl);
    ~TDialog() override;

    // Modal to the parent's window until CloseWindow ends it; returns the value given there
    // (IDOK from command 1 when CanClose agrees, IDCANCEL from command 2, Escape or a close
    // request). Callable from any thread (the caller waits); the window is destroyed afterwards.
    int Execute();
    // Modeless: builds the window once, shown when the template has WS_Visible.
    void Create();
    void Show();
    void Hide();
    // Modal: ends the run with result. Modeless: hides the window. As a frame's client: nothing.
    void CloseWindow(int result);
    bool IsModal() const { return modal_; }

    QWidget* Window() const override;
    const DialogTemplate& Template() const { return tmpl_; }
    void SetBkgndColor(const TBrush& brush);

    bool DispatchCommand(int id, unsigned code) override;

protected:
    // Runs once the controls exist, before the window is shown; the control wrappers work from here.
    virtual void SetupWindow() {}

    void CmOk();
    void CmCancel();

private:
    friend class TFrameWindow;
    DialogWindow* Build(QWidget* parentWidget, bool child);
    void CreateAsClient(QWidget* frameWidget, QBoxLayout* layout);
    QWidget* OwnerWidget() const;

    const DialogTemplate& tmpl_;
    QPointer<DialogWindow> window_;
    bool modal_ = false;
    bool client_ = false;
    std::optional<TBrush> brush_;
    static const TResponseEntry<TDialog> kResponses[];
};

} // namespace nuro
