#include "platform/TWindow.h"

namespace nuro {

bool TWindow::DispatchCommand(int, unsigned)
{
    return false;
}

} // namespace nuro
