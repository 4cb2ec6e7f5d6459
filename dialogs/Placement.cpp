#include "dialogs/Placement.h"

namespace nuro {
namespace {

int Clamp(int centred, int size, int screen)
{
    if (centred < 0)
        return 0;
    if (centred + size > screen)
        return screen - size;
    return centred;
}

} // namespace

ScreenPoint CentredOver(int dialogWidth, int dialogHeight, ScreenRect frame, int screenWidth, int screenHeight)
{
    const int x = frame.x + (frame.width - dialogWidth) / 2;
    const int y = frame.y + (frame.height - dialogHeight) / 2;
    return {Clamp(x, dialogWidth, screenWidth), Clamp(y, dialogHeight, screenHeight)};
}

} // namespace nuro
