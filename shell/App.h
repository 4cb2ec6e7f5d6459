// TApp, the application object, and AppMain, the program's life from the command line on.
#pragma once

#include "platform/TApplication.h"

namespace nuro {

inline constexpr const char* kMainFrameTitle = "NURO V2.0";
inline constexpr int kMainIconId = 110;
inline constexpr int kMainMenuId = 13;
inline constexpr const char* kCannotStartCaption = "NURO";

class TApp : public TApplication {
public:
    TApp(int& argc, char** argv) : TApplication(argc, argv) {}

protected:
    void InitMainWindow() override { CreateMainWindow(); }
    // The main dialog inside the main frame window "NURO V2.0" at the screen placement.
    void CreateMainWindow();
};

// The process's result: 0 for a refused start at log-on or a start that found NURO running, 2 for a
// start that cannot proceed (said on stderr, and in a message box when there is a display); a
// running program never returns, it ends in ExitProgram with 1.
int AppMain(int argc, char** argv);

} // namespace nuro
