#pragma once

// The one place that knows how the platform loads shared libraries.
namespace DynamicLibrary {

using Handle = void *;
using Function = void (*)();

// Loads a library by the name given; a bare file name goes through the
// platform's own library search order. Returns null on failure.
Handle open(const char *name);

// Returns null when the library does not export the name.
Function symbol(Handle library, const char *name);

} // namespace DynamicLibrary
