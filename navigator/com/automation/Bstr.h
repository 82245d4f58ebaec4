// Bstr: sole owner of one BSTR; and the conversions between BSTRs (wide)
// and the navigator's narrow text in the system code page.
#pragma once

// windows.h must come first.
#include <windows.h>

#include <oleauto.h>

#include <string>
#include <utility>

namespace hivewalk::automation {

class Bstr {
public:
    Bstr() noexcept = default;
    explicit Bstr(BSTR owned) noexcept : bstr_(owned) {}
    Bstr(Bstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            SysFreeString(bstr_);
            bstr_ = std::exchange(other.bstr_, nullptr);
        }
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(bstr_); }

    BSTR get() const noexcept { return bstr_; }
    BSTR release() noexcept { return std::exchange(bstr_, nullptr); }
    // For out parameters: frees what is held and returns the slot.
    BSTR* put() noexcept {
        SysFreeString(std::exchange(bstr_, nullptr));
        return &bstr_;
    }

private:
    BSTR bstr_ = nullptr;
};

// Wide to narrow with the system code page (CP_ACP). A null BSTR is empty.
// Embedded NULs are kept.
std::string Narrow(const wchar_t* text, std::size_t length);
std::string Narrow(BSTR text);

// Narrow (CP_ACP) to a new BSTR. Throws std::bad_alloc when out of memory.
Bstr Wide(const std::string& text);

}  // namespace hivewalk::automation
