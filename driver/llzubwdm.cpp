#include "llzubwdm.h"

#include "dynamiclibrary.h"

#include <algorithm>
#include <type_traits>

namespace LLZUBWDM {

static_assert(std::is_same_v<OpaqueFunction, DynamicLibrary::Function>);

constinit const std::array<EntryPoint, 33> EntryPoints{{
    {"GetNumCards", &GetNumCards},
    {"QueryCardInfo", &QueryCardInfo},
    {"QueryBARBase", &QueryBARBase},
    {"WaitForIRQ", &WaitForIRQ},
    {"COSWaitForIRQ", &COSWaitForIRQ},
    {"WDGHandleIRQ", &WDGHandleIRQ},
    {"AbortRequest", &AbortRequest},
    {"CloseCard", &CloseCard},
    {"WDGInit", &WDGInit},
    {"WDGSetTimeout", &WDGSetTimeout},
    {"WDGSetResetDuration", &WDGSetResetDuration},
    {"WDGPet", &WDGPet},
    {"WDGReadTemp", &WDGReadTemp},
    {"WDGReadStatus", &WDGReadStatus},
    {"WDGStart", &WDGStart},
    {"WDGStop", &WDGStop},
    {"EmergencyReboot", &EmergencyReboot},
    {"InPortB", &InPortB},
    {"OutPortB", &OutPortB},
    {"InPort", &InPort},
    {"OutPort", &OutPort},
    {"InPortL", &InPortL},
    {"OutPortL", &OutPortL},
    {"InPortDWord", &InPortDWord},
    {"OutPortDWord", &OutPortDWord},
    {"RelInPortB", &RelInPortB},
    {"RelOutPortB", &RelOutPortB},
    {"RelInPort", &RelInPort},
    {"RelOutPort", &RelOutPort},
    {"RelInPortL", &RelInPortL},
    {"RelOutPortL", &RelOutPortL},
    {"RelInPortDWord", &RelInPortDWord},
    {"RelOutPortDWord", &RelOutPortDWord},
}};

static bool isSet(const EntryPoint &entry)
{
    return std::visit([](auto *reference) { return *reference != nullptr; }, entry.reference);
}

void LoadDriverLibrary()
{
    if (DriverBound)
        return;

    // The handle is dropped on purpose: the library stays loaded for the
    // rest of the process, and a repeated load after a partial binding only
    // adds a reference to the module that is already there.
    const DynamicLibrary::Handle library = DynamicLibrary::open("ZUBWDM.dll");
    if (!library)
        return;

    for (const EntryPoint &entry : EntryPoints) {
        const DynamicLibrary::Function function = DynamicLibrary::symbol(library, entry.name);
        std::visit([function](auto *reference) {
            *reference = reinterpret_cast<std::remove_pointer_t<decltype(reference)>>(function);
        }, entry.reference);
    }

    DriverBound = std::all_of(EntryPoints.begin(), EntryPoints.end(), isSet);
}

} // namespace LLZUBWDM
