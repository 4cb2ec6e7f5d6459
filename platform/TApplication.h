// The application: owns the Qt application and the main window.
#pragma once

#include <memory>

class QApplication;

namespace nuro {

class TFrameWindow;

class TApplication {
public:
    // Uses the existing QApplication when there is one. Closing windows never quits.
    TApplication(int& argc, char** argv);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // InitMainWindow, then the main window's Create (it is not shown here), then the event loop
    // until QCoreApplication::exit.
    int Run();

    // The application owns its main window.
    void SetMainWindow(TFrameWindow* window);
    TFrameWindow* GetMainWindow() const { return mainWindow_.get(); }

protected:
    // The main-window creation step: create the frame and SetMainWindow it.
    virtual void InitMainWindow() {}

private:
    std::unique_ptr<QApplication> ownApp_;
    std::unique_ptr<TFrameWindow> mainWindow_;
};

} // namespace nuro
