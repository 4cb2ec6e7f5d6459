// Loading a shared library by bare file name and finding its exports by name.
#pragma once

namespace nuro {

using LibraryHandle = void*;

// A bare name is searched through the executable's RUNPATH (the installation's lib/ and the
// build tree's) and the usual places; nullptr when it cannot be loaded.
LibraryHandle LoadLibrary(const char* fileName);
// Looked up anew at each call; nullptr when absent or when lib is nullptr.
void* GetProcAddress(LibraryHandle lib, const char* name);
void FreeLibrary(LibraryHandle lib);

} // namespace nuro
