#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace nuro {

void* OpenSharedLibrary(const char* name)
{
    // RTLD_LOCAL: the library's symbols must not stand in for ours, nor ours for its.
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

void* FindLibrarySymbol(void* library, const char* symbol)
{
    if (!library)
        return nullptr;
    return dlsym(library, symbol);
}

} // namespace nuro
