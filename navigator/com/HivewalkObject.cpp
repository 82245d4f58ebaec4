#include "HivewalkObject.h"

#include "Module.h"
#include "automation/Bstr.h"
#include "automation/ComErrors.h"
#include "automation/VariantConversion.h"

#include <new>

namespace hivewalk::com {

using automation::Narrow;
using automation::UniqueVariant;
using automation::Wide;

HRESULT CreateHivewalkObject(Registry& registry, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    auto* created = new (std::nothrow) HivewalkObject(registry);
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

HivewalkObject::HivewalkObject(Registry& registry) : navigator_(registry) { LockModule(); }

HivewalkObject::~HivewalkObject() { UnlockModule(); }

STDMETHODIMP HivewalkObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID__clsHivewalk)) {
        *object = static_cast<_clsHivewalk*>(this);
    } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
        *object = static_cast<ISupportErrorInfo*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) HivewalkObject::AddRef() { return InterlockedIncrement(&references_); }

STDMETHODIMP_(ULONG) HivewalkObject::Release() {
    const ULONG remaining = InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return remaining;
}

STDMETHODIMP HivewalkObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID__clsHivewalk) ? S_OK : S_FALSE;
}

template <class Body>
HRESULT HivewalkObject::Guarded(Body&& body) {
    try {
        body();
        return S_OK;
    } catch (const NavigatorError& error) {
        return automation::ReportError(error, IID__clsHivewalk);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

STDMETHODIMP HivewalkObject::get_CurrentKey(BSTR* currentKey) {
    if (!currentKey) return E_POINTER;
    *currentKey = nullptr;
    return Guarded([&] { *currentKey = Wide(navigator_.CurrentKey()).release(); });
}

STDMETHODIMP HivewalkObject::Cd(BSTR strDirectory) {
    return Guarded([&] { navigator_.Cd(Narrow(strDirectory)); });
}

STDMETHODIMP HivewalkObject::DirKey(VARIANT* keys) {
    if (!keys) return E_POINTER;
    VariantInit(keys);
    return Guarded([&] {
        UniqueVariant result;
        automation::ToVariant(navigator_.DirKey(), result.get());
        result.MoveTo(keys);
    });
}

STDMETHODIMP HivewalkObject::DirValue(VARIANT* values) {
    if (!values) return E_POINTER;
    VariantInit(values);
    return Guarded([&] {
        UniqueVariant result;
        automation::ToVariant(navigator_.DirValue(), result.get());
        result.MoveTo(values);
    });
}

STDMETHODIMP HivewalkObject::put_ValueOf(BSTR strValueName, ::enmDataType* lngValueType,
                                         VARIANT vntValue) {
    if (!lngValueType) return E_POINTER;
    return Guarded([&] {
        std::int32_t type = *lngValueType;
        navigator_.ValueOf(Narrow(strValueName), type, automation::FromVariant(vntValue));
    });
}

STDMETHODIMP HivewalkObject::get_ValueOf(BSTR strValueName, ::enmDataType* lngValueType,
                                         VARIANT* value) {
    if (!lngValueType || !value) return E_POINTER;
    VariantInit(value);
    std::int32_t type = *lngValueType;
    const HRESULT hr = Guarded([&] {
        UniqueVariant result;
        automation::ToVariant(navigator_.ValueOf(Narrow(strValueName), type), result.get());
        result.MoveTo(value);
    });
    // The type is set before the read's last steps, so a caller sees it
    // even when a later step failed.
    *lngValueType = static_cast<::enmDataType>(type);
    return hr;
}

STDMETHODIMP HivewalkObject::MakeKey(BSTR strDirectory) {
    return Guarded([&] { navigator_.MakeKey(Narrow(strDirectory)); });
}

STDMETHODIMP HivewalkObject::DeleteKey(BSTR strName) {
    return Guarded([&] { navigator_.DeleteKey(Narrow(strName)); });
}

STDMETHODIMP HivewalkObject::DeleteValue(BSTR strName) {
    return Guarded([&] { navigator_.DeleteValue(Narrow(strName)); });
}

}  // namespace hivewalk::com
