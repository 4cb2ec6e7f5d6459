#include "shell/ExitSequence.h"

#include "shell/StartupRules.h"

namespace nuro {

void ExitSequence::Run(ExitSteps& steps, std::ostream& err)
{
    if (started_)
        return;
    started_ = true;
    std::string error;
    if (!steps.SaveSettings(error)) {
        err << "nuro: settings not saved: " << (error.empty() ? std::string("unknown error") : error) << '\n';
        err.flush();
    }
    steps.StopMonitor();
    steps.UnloadLibrary();
    steps.RemoveSkin();
    steps.EndProcess(kExitRegular);
}

} // namespace nuro
