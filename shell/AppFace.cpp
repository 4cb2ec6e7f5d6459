#include "shell/AppFace.h"

#include "platform/os/Library.h"

namespace nuro {

CAppFace::CAppFace(const char* name)
{
    library = LoadLibrary(name);
    if (!library)
        return;
    SkinStart = reinterpret_cast<StartEntry>(GetProcAddress(library, "SkinStart"));
    if (!SkinStart)
        return;
    SkinRemove = reinterpret_cast<RemoveEntry>(GetProcAddress(library, "SkinRemove"));
    if (!SkinRemove)
        return;
    loaded = true;
}

CAppFace::~CAppFace()
{
    if (library)
        FreeLibrary(library);
    loaded = false;
    library = nullptr;
    SkinStart = nullptr;
    SkinRemove = nullptr;
}

} // namespace nuro
