#include "llzubwdm.h"

#include <QtTest>

#include <dlfcn.h>

// Linked with --wrap=dlopen and --wrap=dlsym: every call the binding makes
// into the dynamic linker passes through here and is recorded.
extern "C" {
void *__real_dlopen(const char *file, int mode);
void *__real_dlsym(void *handle, const char *name);
}

static QByteArrayList opened;
static QByteArrayList lookedUp;

extern "C" void *__wrap_dlopen(const char *file, int mode)
{
    opened << file;
    return __real_dlopen(file, mode);
}

extern "C" void *__wrap_dlsym(void *handle, const char *name)
{
    lookedUp << name;
    return __real_dlsym(handle, name);
}

static const QByteArrayList entryPointNames{
    "GetNumCards", "QueryCardInfo", "QueryBARBase", "WaitForIRQ", "COSWaitForIRQ",
    "WDGHandleIRQ", "AbortRequest", "CloseCard", "WDGInit", "WDGSetTimeout",
    "WDGSetResetDuration", "WDGPet", "WDGReadTemp", "WDGReadStatus", "WDGStart",
    "WDGStop", "EmergencyReboot", "InPortB", "OutPortB", "InPort", "OutPort",
    "InPortL", "OutPortL", "InPortDWord", "OutPortDWord", "RelInPortB",
    "RelOutPortB", "RelInPort", "RelOutPort", "RelInPortL", "RelOutPortL",
    "RelInPortDWord", "RelOutPortDWord",
};

static void *address(const LLZUBWDM::EntryPoint &entry)
{
    return std::visit([](auto *reference) { return reinterpret_cast<void *>(*reference); },
                      entry.reference);
}

static bool libraryInProcess()
{
    void *handle = __real_dlopen("ZUBWDM.dll", RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle;
}

// Each library state needs a process of its own (see the CMake file), so
// CTest runs one test function per process.
class tst_LLZUBWDM : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void absentLibrary();
    void missingEntryPoint();
    void allEntryPointsPresent();
};

void tst_LLZUBWDM::initTestCase()
{
    QVERIFY(!LLZUBWDM::DriverBound);
    for (const LLZUBWDM::EntryPoint &entry : LLZUBWDM::EntryPoints)
        QVERIFY2(!address(entry), entry.name);
    QVERIFY(!libraryInProcess());
    QVERIFY(opened.isEmpty());
}

void tst_LLZUBWDM::absentLibrary()
{
    LLZUBWDM::LoadDriverLibrary();
    LLZUBWDM::LoadDriverLibrary();

    QCOMPARE(opened, QByteArrayList({"ZUBWDM.dll", "ZUBWDM.dll"}));
    QVERIFY(lookedUp.isEmpty());
    QVERIFY(!LLZUBWDM::DriverBound);
    for (const LLZUBWDM::EntryPoint &entry : LLZUBWDM::EntryPoints)
        QVERIFY2(!address(entry), entry.name);
}

void tst_LLZUBWDM::missingEntryPoint()
{
    const QByteArray missing = qgetenv("ZUBWDM_MISSING");
    QVERIFY(entryPointNames.contains(missing));

    for (int call = 1; call <= 2; ++call) {
        LLZUBWDM::LoadDriverLibrary();

        QCOMPARE(opened, QByteArrayList(call, "ZUBWDM.dll"));
        QCOMPARE(lookedUp, call == 1 ? entryPointNames : entryPointNames + entryPointNames);
        QVERIFY(!LLZUBWDM::DriverBound);
        for (const LLZUBWDM::EntryPoint &entry : LLZUBWDM::EntryPoints)
            QVERIFY2(bool(address(entry)) == (entry.name != missing), entry.name);
    }
}

void tst_LLZUBWDM::allEntryPointsPresent()
{
    LLZUBWDM::LoadDriverLibrary();

    QVERIFY(LLZUBWDM::DriverBound);
    QCOMPARE(opened, QByteArrayList{"ZUBWDM.dll"});
    QCOMPARE(lookedUp, entryPointNames);
    void *library = __real_dlopen("ZUBWDM.dll", RTLD_NOW | RTLD_NOLOAD);
    QVERIFY(library);
    for (const LLZUBWDM::EntryPoint &entry : LLZUBWDM::EntryPoints)
        QVERIFY2(address(entry) == __real_dlsym(library, entry.name), entry.name);
    dlclose(library);
    QCOMPARE(LLZUBWDM::GetNumCards(), 3);

    LLZUBWDM::LoadDriverLibrary();

    QVERIFY(LLZUBWDM::DriverBound);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(lookedUp.size(), entryPointNames.size());
}

QTEST_GUILESS_MAIN(tst_LLZUBWDM)
#include "tst_llzubwdm.moc"
