// A top-level frame window around a client dialog, with title, icon and menu bar.
#pragma once

#include "platform/TWindow.h"

#include <QIcon>
#include <QPoint>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

namespace nuro {

class TDialog;

class TFrameWindow : public TWindow {
public:
    // The frame owns client. With shrinkToClient the frame takes the client's size.
    TFrameWindow(TWindow* parent, const std::string& title, TDialog* client, bool shrinkToClient);
    ~TFrameWindow() override;

    // Settings made before Create take effect there; after it, at once.
    void SetIcon(const QIcon& icon);
    void AssignMenu(int menuId);
    void MoveTo(int x, int y);
    // A thin dialog frame without title bar.
    void SetDialogFrameWithoutTitle(bool on);

    // Builds the frame, then the client (whose SetupWindow runs here). Does not show it.
    void Create();

    QWidget* Window() const override;
    TDialog* GetClient() const { return client_.get(); }

    // The client's table first, then the frame's.
    bool DispatchCommand(int id, unsigned code) override;
    // Asks the client; a close request hides the frame only when this agrees.
    bool CanClose() override;

private:
    void ApplyMenu();

    std::string title_;
    std::unique_ptr<TDialog> client_;
    bool shrinkToClient_;
    bool frameless_ = false;
    int menuId_ = 0;
    QIcon icon_;
    std::optional<QPoint> position_;
    QPointer<QWidget> window_;
};

} // namespace nuro
