// Conversions between automation VARIANTs (with their SAFEARRAYs) and the
// navigator's portable Variant model, and an owner for VARIANTs.
#pragma once

#include "hivewalk/Variant.h"

// windows.h must come first.
#include <windows.h>

#include <oleauto.h>

namespace hivewalk::automation {

// Sole owner of one VARIANT; clears it when done.
class UniqueVariant {
public:
    UniqueVariant() noexcept { VariantInit(&variant_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&variant_); }

    VARIANT* get() noexcept { return &variant_; }
    const VARIANT* get() const noexcept { return &variant_; }
    // Hands the VARIANT to a caller's slot (which must be cleared or fresh).
    void MoveTo(VARIANT* destination) noexcept {
        *destination = variant_;
        VariantInit(&variant_);
    }

private:
    VARIANT variant_;
};

// VARIANT to Variant. References (VT_BYREF) are followed. Types the model
// does not hold become Variant::Unsupported carrying their VT code, so that
// every type check refuses them as it would refuse any other wrong type.
// Throws std::bad_alloc when out of memory.
Variant FromVariant(const VARIANT& variant);

// Variant to a VARIANT, which must be empty (VT_EMPTY) on entry. Arrays
// become SAFEARRAYs with the same bounds per dimension. Throws
// std::bad_alloc when out of memory.
void ToVariant(const Variant& value, VARIANT* variant);

}  // namespace hivewalk::automation
