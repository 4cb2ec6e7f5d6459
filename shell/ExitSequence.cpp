#include "shell/ExitSequence.h"

#include "shell/StartupRules.h"

namespace nuro {

void ExitSequence::Run(ExitSteps& steps, std::ostream& err, ExitOrigin origin)
{
    if (started_)
        return;
    started_ = true;
    std::string error;
    if (!steps.SaveSettings(error)) {
        if (error.empty())
            error = "unknown error";
        err << "nuro: settings not saved: " << error << '\n';
        err.flush();
        steps.TellUnsaved(error, origin);
    }
    steps.StopMonitor();
    steps.UnloadLibrary();
    steps.RemoveSkin();
    steps.EndProcess(kExitRegular);
}

std::string UnsavedAtExitText(const std::string& reason)
{
    return "Your settings could not be saved:\n" + reason +
           "\n\nThe settings file was left as it was; the changes made since NURO started are lost.";
}

std::string UnsavedLastTimeText(const std::string& reason)
{
    return "Your settings could not be saved when NURO last ended:\n" + reason +
           "\n\nNURO runs on the settings saved before.";
}

} // namespace nuro
