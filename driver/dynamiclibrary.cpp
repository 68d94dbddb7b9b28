#include "dynamiclibrary.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace DynamicLibrary {

#ifdef _WIN32

Handle open(const char *name)
{
    return LoadLibraryA(name);
}

Function symbol(Handle library, const char *name)
{
    return reinterpret_cast<Function>(GetProcAddress(static_cast<HMODULE>(library), name));
}

#else

Handle open(const char *name)
{
    return dlopen(name, RTLD_NOW);
}

Function symbol(Handle library, const char *name)
{
    return reinterpret_cast<Function>(dlsym(library, name));
}

#endif

} // namespace DynamicLibrary
