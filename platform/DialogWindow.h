// The window a template becomes: it holds the controls by id and hands their commands on.
#pragma once

#include "resources/DialogTemplate.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace nuro {

// Notification codes carried with a command, as the controls send them.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned EN_CHANGE = 0x300;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Property and object-name tag of every control: property "controlId", name "id<N>".
inline constexpr const char* kControlIdProperty = "controlId";

class DialogWindow : public QWidget {
    Q_OBJECT
public:
    using CommandSink = std::function<void(int id, unsigned code)>;

    // A top-level window (popup) or a child embedded in another window (a frame's client).
    DialogWindow(const DialogTemplate& tmpl, QWidget* parent, bool child);
    ~DialogWindow() override;

    const DialogTemplate& Template() const { return tmpl_; }
    // One colour behind the controls: the grey dialog class, or a dialog's own brush.
    void SetBackgroundColor(const QColor& color);

    void SetCommandSink(CommandSink sink) { sink_ = std::move(sink); }
    // A close request of the window manager; without a handler it is ignored.
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

    // Delivers a command at once, as a control's notification to its dialog does.
    void SendCommand(int id, unsigned code);

    // Controls in creation order; the first with an id wins, as for duplicate ids.
    void AddControl(QWidget* control, int id);
    QWidget* Control(int id) const;
    const std::vector<QWidget*>& Controls() const { return controls_; }

    // Modal bookkeeping: End records the result, hides the window and announces it.
    void End(int result);
    bool HasEnded() const { return ended_; }
    int Result() const { return result_; }
    void ResetEnd() { ended_ = false; }

    std::intptr_t Param() const { return param_; }
    void SetParam(std::intptr_t p) { param_ = p; }

signals:
    void ended(int result);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int EnterCommandId() const;

    const DialogTemplate& tmpl_;
    CommandSink sink_;
    std::function<void()> closeHandler_;
    std::vector<QWidget*> controls_;
    bool ended_ = false;
    int result_ = 0;
    std::intptr_t param_ = 0;
};

// The dialog window a control belongs to, or nullptr.
DialogWindow* DialogOf(QWidget* control);

// Runs a window modally: build makes it on the user-interface thread (nullptr fails with -1),
// then it is shown unless it has already ended, and the call returns its End result. On the
// user-interface thread a local event loop runs; from another thread the caller waits while
// the user-interface thread goes on serving every window. dispose runs on the
// user-interface thread once the run is over.
int RunModal(const std::function<DialogWindow*()>& build, const std::function<void(DialogWindow*)>& dispose);

} // namespace nuro
