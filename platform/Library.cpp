#include "platform/Library.h"

#include "platform/SharedLibrary.h"

namespace nuro {

LibraryHandle LoadLibrary(const char* fileName) { return OpenSharedLibrary(fileName); }

void* GetProcAddress(LibraryHandle lib, const char* name) { return FindLibrarySymbol(lib, name); }

void FreeLibrary(LibraryHandle lib) { CloseSharedLibrary(lib); }

} // namespace nuro
