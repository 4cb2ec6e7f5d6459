// Loading a shared library and finding its exports by name: plain C++ over dlopen, no Qt, so the
// command-line tools can use it too.
#pragma once

namespace nuro {

// The library found by the system's search (a bare name goes through LD_LIBRARY_PATH, the
// executable's run path and the system directories); nullptr when it cannot be loaded.
void* OpenSharedLibrary(const char* name);

// The export `symbol` of an open library, or nullptr.
void* FindLibrarySymbol(void* library, const char* symbol);

void CloseSharedLibrary(void* library);

} // namespace nuro
