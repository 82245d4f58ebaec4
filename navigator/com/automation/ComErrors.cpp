#include "automation/ComErrors.h"

#include "automation/Bstr.h"

#include <wrl/client.h>

#include <cstdio>

namespace hivewalk::automation {

using Microsoft::WRL::ComPtr;

HRESULT ReportError(const NavigatorError& error, REFIID iid) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(Wide(error.Source).get());
        create->SetDescription(Wide(error.Description).get());
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
    }
    return static_cast<HRESULT>(error.Number);
}

void FillExcepInfo(const NavigatorError& error, EXCEPINFO* info) {
    if (!info) return;
    *info = EXCEPINFO{};
    info->bstrSource = Wide(error.Source).release();
    info->bstrDescription = Wide(error.Description).release();
    info->scode = static_cast<SCODE>(error.Number);
}

namespace {

std::string SystemText(HRESULT hr) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string description;
    if (length > 0 && text) {
        description.assign(text, length);
        while (!description.empty() && (description.back() == '\n' || description.back() == '\r'))
            description.pop_back();
    }
    LocalFree(text);
    if (description.empty()) {
        char fallback[48];
        std::snprintf(fallback, sizeof fallback, "Automation error 0x%08lX",
                      static_cast<unsigned long>(hr));
        description = fallback;
    }
    return description;
}

}  // namespace

NavigatorError ErrorOfCall(HRESULT hr, IUnknown* object, REFIID iid) {
    ComPtr<ISupportErrorInfo> supports;
    ComPtr<IErrorInfo> info;
    if (object && SUCCEEDED(object->QueryInterface(IID_PPV_ARGS(&supports))) &&
        supports->InterfaceSupportsErrorInfo(iid) == S_OK && GetErrorInfo(0, &info) == S_OK &&
        info) {
        Bstr source, description;
        info->GetSource(source.put());
        info->GetDescription(description.put());
        return NavigatorError(hr, Narrow(source.get()), Narrow(description.get()));
    }
    return NavigatorError(hr, "", SystemText(hr));
}

void ThrowIfFailed(HRESULT hr, IUnknown* object, REFIID iid) {
    if (FAILED(hr)) throw ErrorOfCall(hr, object, iid);
}

}  // namespace hivewalk::automation
