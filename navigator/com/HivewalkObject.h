// HivewalkObject: the COM object behind clsHivewalk. It implements the dual
// interface _clsHivewalk over one navigator, converting at the boundary
// only: BSTRs to narrow text, VARIANTs to the portable model, and
// NavigatorErrors to an HRESULT (the error's Number) plus IErrorInfo.
#pragma once

#include "Hivewalk_h.h"
#include "hivewalk/clsHivewalk.h"

#include <wrl/client.h>

namespace hivewalk::com {

// Creates an object over `registry` (which must outlive it) and returns its
// `iid` interface. The DLL passes the system registry; tests may pass a
// decorated backend.
HRESULT CreateHivewalkObject(Registry& registry, REFIID iid, void** object);

class HivewalkObject final : public _clsHivewalk, public ISupportErrorInfo {
public:
    explicit HivewalkObject(Registry& registry);
    HivewalkObject(const HivewalkObject&) = delete;
    HivewalkObject& operator=(const HivewalkObject&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** typeInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override;

    // _clsHivewalk, in its slot order
    STDMETHODIMP get_CurrentKey(BSTR* currentKey) override;
    STDMETHODIMP Cd(BSTR strDirectory) override;
    STDMETHODIMP DirKey(VARIANT* keys) override;
    STDMETHODIMP DirValue(VARIANT* values) override;
    STDMETHODIMP put_ValueOf(BSTR strValueName, ::enmDataType* lngValueType,
                             VARIANT vntValue) override;
    STDMETHODIMP get_ValueOf(BSTR strValueName, ::enmDataType* lngValueType,
                             VARIANT* value) override;
    STDMETHODIMP MakeKey(BSTR strDirectory) override;
    STDMETHODIMP DeleteKey(BSTR strName) override;
    STDMETHODIMP DeleteValue(BSTR strName) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    ~HivewalkObject();

    // Runs one member's body; a NavigatorError becomes the HRESULT and the
    // thread's error information.
    template <class Body>
    HRESULT Guarded(Body&& body);
    HRESULT LoadTypeInfo();
    HRESULT InvokeValueOf(WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT* badArgument);

    LONG references_ = 1;
    clsHivewalk navigator_;
    Microsoft::WRL::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace hivewalk::com
