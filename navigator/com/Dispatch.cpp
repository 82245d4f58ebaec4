// IDispatch for HivewalkObject. Names, type information and the plain
// members are driven by the type library (ITypeInfo::Invoke). ValueOf is
// dispatched here: script hosts pass its type argument as a reference to a
// script variable (VT_BYREF | VT_VARIANT), which the get must write back.
#include "HivewalkObject.h"

#include "Module.h"
#include "automation/Bstr.h"
#include "automation/ComErrors.h"

namespace hivewalk::com {
namespace {

constexpr DISPID kValueOfId = 0x68030000;

// Reads a dispatch argument as a BSTR (following references); the BSTR is
// owned by `holder`.
HRESULT ArgumentAsString(VARIANT* argument, VARIANT& holder) {
    VariantInit(&holder);
    return VariantChangeType(&holder, argument, 0, VT_BSTR);
}

// The type argument: a number, by value or by reference. Where it is a
// reference the caller's variable is the one to write back to.
struct TypeArgument {
    VARIANT* argument = nullptr;
    std::int32_t value = 0;
};

HRESULT ReadTypeArgument(VARIANT* argument, TypeArgument& type) {
    type.argument = argument;
    VARIANT number;
    VariantInit(&number);
    const HRESULT hr = VariantChangeType(&number, argument, 0, VT_I4);
    if (SUCCEEDED(hr)) type.value = V_I4(&number);
    return hr;
}

void WriteBackTypeArgument(const TypeArgument& type) {
    VARIANT* argument = type.argument;
    if (V_VT(argument) == (VT_BYREF | VT_VARIANT)) {
        VARIANT* variable = V_VARIANTREF(argument);
        VariantClear(variable);
        V_VT(variable) = VT_I4;
        V_I4(variable) = type.value;
    } else if (V_VT(argument) == (VT_BYREF | VT_I4)) {
        *V_I4REF(argument) = type.value;
    } else if (V_VT(argument) == (VT_BYREF | VT_I2)) {
        *V_I2REF(argument) = static_cast<SHORT>(type.value);
    }
}

// After a member failed: its error information, moved into EXCEPINFO.
HRESULT ToException(HRESULT hr, IUnknown* object, EXCEPINFO* exception) {
    if (hr == E_POINTER || hr == E_OUTOFMEMORY || hr == E_UNEXPECTED) return hr;
    automation::FillExcepInfo(automation::ErrorOfCall(hr, object, IID__clsHivewalk), exception);
    return DISP_E_EXCEPTION;
}

}  // namespace

HRESULT HivewalkObject::LoadTypeInfo() {
    if (typeInfo_) return S_OK;
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(ThisModule(), path, MAX_PATH)) return HRESULT_FROM_WIN32(GetLastError());
    Microsoft::WRL::ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &library);
    if (SUCCEEDED(hr)) hr = library->GetTypeInfoOfGuid(IID__clsHivewalk, &typeInfo_);
    return hr;
}

STDMETHODIMP HivewalkObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP HivewalkObject::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) {
    if (!typeInfo) return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (const HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
    return typeInfo_.CopyTo(typeInfo);
}

STDMETHODIMP HivewalkObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                           DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (const HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP HivewalkObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO* exception, UINT* badArgument) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!params) return E_INVALIDARG;
    if (id == kValueOfId) return InvokeValueOf(flags, params, result, exception, badArgument);
    if (const HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
    return typeInfo_->Invoke(static_cast<_clsHivewalk*>(this), id, flags, params, result,
                             exception, badArgument);
}

// Arguments arrive last first: for the get rgvarg[1] is the name and
// rgvarg[0] the type; for the let rgvarg[0] is the value (the named
// argument DISPID_PROPERTYPUT), rgvarg[1] the type, rgvarg[2] the name.
HRESULT HivewalkObject::InvokeValueOf(WORD flags, DISPPARAMS* params, VARIANT* result,
                                      EXCEPINFO* exception, UINT* badArgument) {
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    const UINT expected = put ? 3 : 2;
    if (!put && !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != expected) return DISP_E_BADPARAMCOUNT;
    if (put ? (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            : params->cNamedArgs != 0)
        return DISP_E_PARAMNOTFOUND;

    const UINT nameIndex = expected - 1, typeIndex = expected - 2;
    VARIANT name;
    if (FAILED(ArgumentAsString(&params->rgvarg[nameIndex], name))) {
        if (badArgument) *badArgument = nameIndex;
        return DISP_E_TYPEMISMATCH;
    }
    const automation::Bstr nameOwner(V_BSTR(&name));
    TypeArgument type;
    if (FAILED(ReadTypeArgument(&params->rgvarg[typeIndex], type))) {
        if (badArgument) *badArgument = typeIndex;
        return DISP_E_TYPEMISMATCH;
    }

    auto dataType = static_cast<::enmDataType>(type.value);
    HRESULT hr;
    if (put) {
        hr = put_ValueOf(nameOwner.get(), &dataType, params->rgvarg[0]);
    } else {
        VARIANT value;
        hr = get_ValueOf(nameOwner.get(), &dataType, &value);
        type.value = dataType;
        WriteBackTypeArgument(type);
        if (result) {
            *result = value;
        } else {
            VariantClear(&value);
        }
    }
    return FAILED(hr) ? ToException(hr, static_cast<_clsHivewalk*>(this), exception) : S_OK;
}

}  // namespace hivewalk::com
