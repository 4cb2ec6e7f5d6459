#include "shell/StartupRules.h"

#include <cstring>

namespace nuro {

StartMode DecideStart(int argc, const char* const* argv, std::int32_t startupSwitch)
{
    if (argc < 2 || argv == nullptr || argv[1] == nullptr || std::strcmp(argv[1], "S") != 0)
        return StartMode::Normal;
    return startupSwitch != 0 ? StartMode::Refused : StartMode::AtLogon;
}

const char* InstanceRequest(StartMode mode)
{
    return mode == StartMode::Normal ? kInstanceShow : kInstanceQuiet;
}

} // namespace nuro
