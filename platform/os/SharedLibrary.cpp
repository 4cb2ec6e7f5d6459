#include "platform/os/SharedLibrary.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace nuro {

namespace {

// The folders the dynamic linker would search for the executable itself: LD_LIBRARY_PATH, its
// RUNPATH with $ORIGIN expanded, then the system folders.
std::vector<std::string> ExecutableSearchPath()
{
    std::vector<std::string> dirs;
    void* self = dlopen(nullptr, RTLD_LAZY);
    if (!self)
        return dirs;
    Dl_serinfo size = {};
    if (dlinfo(self, RTLD_DI_SERINFOSIZE, &size) == 0 && size.dls_size >= sizeof(Dl_serinfo)) {
        std::vector<unsigned char> buffer(size.dls_size);
        auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
        std::memcpy(info, &size, sizeof size);
        if (dlinfo(self, RTLD_DI_SERINFO, info) == 0)
            for (unsigned i = 0; i < info->dls_cnt; ++i)
                if (info->dls_serpath[i].dls_name && *info->dls_serpath[i].dls_name)
                    dirs.emplace_back(info->dls_serpath[i].dls_name);
    }
    dlclose(self);
    return dirs;
}

} // namespace

void* OpenSharedLibrary(const char* name)
{
    if (!name || !*name)
        return nullptr;
    // RTLD_LOCAL: the library's symbols must not stand in for ours, nor ours for its.
    constexpr int kMode = RTLD_NOW | RTLD_LOCAL;
    if (std::strchr(name, '/'))
        return dlopen(name, kMode);
    // Workaround: the dynamic linker searches the RUNPATH of the object that calls dlopen, and a
    // sanitizer runtime that intercepts dlopen becomes that caller, so the executable's own lib/
    // would be missed. Walk the executable's search path ourselves, then let the usual search
    // (ld.so.cache included) have the last word.
    for (const std::string& dir : ExecutableSearchPath()) {
        const std::string path = dir + "/" + name;
        if (access(path.c_str(), R_OK) == 0)
            if (void* library = dlopen(path.c_str(), kMode))
                return library;
    }
    return dlopen(name, kMode);
}

void* FindLibrarySymbol(void* library, const char* symbol)
{
    if (!library || !symbol)
        return nullptr;
    return dlsym(library, symbol);
}

void CloseSharedLibrary(void* library)
{
    if (library)
        dlclose(library);
}

} // namespace nuro
