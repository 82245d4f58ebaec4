// The entry points of Hivewalk.dll. Hivewalk.def exports them under their
// plain names (no stdcall decoration).
#include "ClassFactory.h"
#include "Hivewalk_h.h"
#include "Module.h"
#include "Registration.h"

namespace {
hivewalk::com::ClassFactory g_factory;
}

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_clsHivewalk)) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return hivewalk::com::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return hivewalk::com::RegisterServer(); }

STDAPI DllUnregisterServer() { return hivewalk::com::UnregisterServer(); }

}  // extern "C"
