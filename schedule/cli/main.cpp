// nuro-times: prints the day's prayer times without a display.
#include "platform/os/Profile.h"
#include "schedule/CalcLibrary.h"
#include "schedule/cli/TimesReport.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    const int status = nuro::times::Run(args, nuro::Profile(), nuro::Calc(), out, err, nuro::SystemZoneRules(),
                                        nuro::times::EnvironmentLocale());
    std::fputs(out.c_str(), stdout);
    std::fflush(stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}
