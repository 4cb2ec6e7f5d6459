#include "platform/os/Library.h"

#include "platform/os/SharedLibrary.h"

namespace nuro {

LibraryHandle LoadLibrary(const char* fileName)
{
    return OpenSharedLibrary(fileName);
}

void* GetProcAddress(LibraryHandle lib, const char* name)
{
    return FindLibrarySymbol(lib, name);
}

void FreeLibrary(LibraryHandle lib)
{
    CloseSharedLibrary(lib);
}

} // namespace nuro
