#include "shell/App.h"
#include "shell/AppFace.h"

namespace nuro {
namespace {

// Loaded before main runs; freed by the runtime's normal exit (the refused start at log-on).
CAppFace theAppFace;

} // namespace

CAppFace& AppFace()
{
    return theAppFace;
}

} // namespace nuro

int main(int argc, char** argv)
{
    return nuro::AppMain(argc, argv);
}
