#pragma once

#include <array>
#include <cstdint>
#include <variant>

// Run-time binding of the card maker's driver library "ZUBWDM.dll". The
// program is not linked against it, so it starts and works without it;
// nothing is loaded until LoadDriverLibrary() is called.
namespace LLZUBWDM {

// Only GetNumCards is ever called; the others are bound but their parameter
// lists belong to the library and are not declared here.
using OpaqueFunction = void (*)();
using GetNumCardsFunction = int32_t (*)();

inline constinit bool DriverBound = false;

inline constinit GetNumCardsFunction GetNumCards = nullptr;
inline constinit OpaqueFunction QueryCardInfo = nullptr;
inline constinit OpaqueFunction QueryBARBase = nullptr;
inline constinit OpaqueFunction WaitForIRQ = nullptr;
inline constinit OpaqueFunction COSWaitForIRQ = nullptr;
inline constinit OpaqueFunction WDGHandleIRQ = nullptr;
inline constinit OpaqueFunction AbortRequest = nullptr;
inline constinit OpaqueFunction CloseCard = nullptr;
inline constinit OpaqueFunction WDGInit = nullptr;
inline constinit OpaqueFunction WDGSetTimeout = nullptr;
inline constinit OpaqueFunction WDGSetResetDuration = nullptr;
inline constinit OpaqueFunction WDGPet = nullptr;
inline constinit OpaqueFunction WDGReadTemp = nullptr;
inline constinit OpaqueFunction WDGReadStatus = nullptr;
inline constinit OpaqueFunction WDGStart = nullptr;
inline constinit OpaqueFunction WDGStop = nullptr;
inline constinit OpaqueFunction EmergencyReboot = nullptr;
inline constinit OpaqueFunction InPortB = nullptr;
inline constinit OpaqueFunction OutPortB = nullptr;
inline constinit OpaqueFunction InPort = nullptr;
inline constinit OpaqueFunction OutPort = nullptr;
inline constinit OpaqueFunction InPortL = nullptr;
inline constinit OpaqueFunction OutPortL = nullptr;
inline constinit OpaqueFunction InPortDWord = nullptr;
inline constinit OpaqueFunction OutPortDWord = nullptr;
inline constinit OpaqueFunction RelInPortB = nullptr;
inline constinit OpaqueFunction RelOutPortB = nullptr;
inline constinit OpaqueFunction RelInPort = nullptr;
inline constinit OpaqueFunction RelOutPort = nullptr;
inline constinit OpaqueFunction RelInPortL = nullptr;
inline constinit OpaqueFunction RelOutPortL = nullptr;
inline constinit OpaqueFunction RelInPortDWord = nullptr;
inline constinit OpaqueFunction RelOutPortDWord = nullptr;

struct EntryPoint
{
    const char *name;
    std::variant<GetNumCardsFunction *, OpaqueFunction *> reference;
};

// In binding order.
extern const std::array<EntryPoint, 33> EntryPoints;

// Binds every entry point by name and sets DriverBound when all were found.
// Once bound it returns at once; otherwise each call loads the library again
// and repeats every lookup. Failures are silent: the library is optional.
// The library is never unloaded.
void LoadDriverLibrary();

} // namespace LLZUBWDM
