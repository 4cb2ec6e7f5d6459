#include "platform/TApplication.h"

#include "platform/TFrameWindow.h"
#include "platform/Translation.h"
#include "platform/os/UiThread.h"

#include <QApplication>

namespace nuro {

TApplication::TApplication(int& argc, char** argv)
{
    if (!QApplication::instance())
        ownApp_ = std::make_unique<QApplication>(argc, argv);
    // The program lives in the tray: no window's closing ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallTranslations();
    // Sets up the thread bridge on this thread before any other thread needs it.
    PostToUiThread([] {});
}

TApplication::~TApplication() = default;

void TApplication::SetMainWindow(TFrameWindow* window)
{
    mainWindow_.reset(window);
}

int TApplication::Run()
{
    InitMainWindow();
    if (mainWindow_)
        mainWindow_->Create();
    return QApplication::exec();
}

} // namespace nuro
