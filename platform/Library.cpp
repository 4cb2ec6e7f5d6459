#include "platform/Library.h"

#include <dlfcn.h>

namespace nuro {

LibraryHandle LoadLibrary(const char* fileName)
{
    return fileName ? dlopen(fileName, RTLD_NOW | RTLD_LOCAL) : nullptr;
}

void* GetProcAddress(LibraryHandle lib, const char* name)
{
    return lib && name ? dlsym(lib, name) : nullptr;
}

void FreeLibrary(LibraryHandle lib)
{
    if (lib)
        dlclose(lib);
}

} // namespace nuro
