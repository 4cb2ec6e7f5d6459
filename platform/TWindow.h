// Base of the framework's windows: a parent, a command dispatch and the may-close query.
#pragma once

class QWidget;

namespace nuro {

class TWindow {
public:
    explicit TWindow(TWindow* parent) : parent_(parent) {}
    virtual ~TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    TWindow* Parent() const { return parent_; }
    // The Qt window, nullptr until created.
    virtual QWidget* Window() const = 0;

    // Looks the command up in the class's response table, then its base's; false when none
    // answers, and then nothing happens.
    virtual bool DispatchCommand(int id, unsigned code);
    // Asked before the window closes; false keeps it open.
    virtual bool CanClose() { return true; }

private:
    TWindow* parent_;
};

} // namespace nuro
