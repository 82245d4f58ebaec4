#include "ClassFactory.h"

#include "HivewalkObject.h"
#include "Module.h"
#include "registry/Advapi32Registry.h"

namespace hivewalk::com {

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The factory is static: references to it keep the module loaded instead.
STDMETHODIMP_(ULONG) ClassFactory::AddRef() {
    LockModule();
    return 2;
}

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    UnlockModule();
    return 1;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CreateHivewalkObject(SystemRegistry(), iid, object);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        LockModule();
    } else {
        UnlockModule();
    }
    return S_OK;
}

}  // namespace hivewalk::com
