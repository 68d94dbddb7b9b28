// Stand-in for the card maker's driver library. Only the exported names
// matter to the binding; GetNumCards reports three cards.
#include <cstdint>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

#ifndef OMIT_GETNUMCARDS
FAKE_EXPORT int32_t GetNumCards() { return 3; }
#endif
FAKE_EXPORT void QueryCardInfo() {}
FAKE_EXPORT void QueryBARBase() {}
FAKE_EXPORT void WaitForIRQ() {}
FAKE_EXPORT void COSWaitForIRQ() {}
FAKE_EXPORT void WDGHandleIRQ() {}
FAKE_EXPORT void AbortRequest() {}
FAKE_EXPORT void CloseCard() {}
FAKE_EXPORT void WDGInit() {}
FAKE_EXPORT void WDGSetTimeout() {}
FAKE_EXPORT void WDGSetResetDuration() {}
FAKE_EXPORT void WDGPet() {}
FAKE_EXPORT void WDGReadTemp() {}
FAKE_EXPORT void WDGReadStatus() {}
FAKE_EXPORT void WDGStart() {}
FAKE_EXPORT void WDGStop() {}
FAKE_EXPORT void EmergencyReboot() {}
FAKE_EXPORT void InPortB() {}
FAKE_EXPORT void OutPortB() {}
FAKE_EXPORT void InPort() {}
FAKE_EXPORT void OutPort() {}
FAKE_EXPORT void InPortL() {}
FAKE_EXPORT void OutPortL() {}
FAKE_EXPORT void InPortDWord() {}
FAKE_EXPORT void OutPortDWord() {}
FAKE_EXPORT void RelInPortB() {}
FAKE_EXPORT void RelOutPortB() {}
FAKE_EXPORT void RelInPort() {}
FAKE_EXPORT void RelOutPort() {}
FAKE_EXPORT void RelInPortL() {}
FAKE_EXPORT void RelOutPortL() {}
FAKE_EXPORT void RelInPortDWord() {}
#ifndef OMIT_RELOUTPORTDWORD
FAKE_EXPORT void RelOutPortDWord() {}
#endif
