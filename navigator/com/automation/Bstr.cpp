#include "automation/Bstr.h"

#include <new>

namespace hivewalk::automation {

std::string Narrow(const wchar_t* text, std::size_t length) {
    if (!text || length == 0) return {};
    const int wideLength = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wideLength, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::string Narrow(BSTR text) { return Narrow(text, text ? SysStringLen(text) : 0); }

Bstr Wide(const std::string& text) {
    const int narrowLength = static_cast<int>(text.size());
    const int size = text.empty() ? 0
                                  : MultiByteToWideChar(CP_ACP, 0, text.data(), narrowLength,
                                                        nullptr, 0);
    Bstr wide(SysAllocStringLen(nullptr, static_cast<UINT>(size)));
    if (!wide.get()) throw std::bad_alloc();
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), narrowLength, wide.get(), size);
    return wide;
}

}  // namespace hivewalk::automation
