#include "automation/VariantConversion.h"

#include "automation/Bstr.h"

#include <new>
#include <utility>
#include <vector>

namespace hivewalk::automation {
namespace {

// Grants access to a SAFEARRAY's elements for as long as it lives.
class ArrayAccess {
public:
    explicit ArrayAccess(SAFEARRAY* array) : array_(array) {
        if (FAILED(SafeArrayAccessData(array_, &data_))) data_ = nullptr;
    }
    ~ArrayAccess() {
        if (data_) SafeArrayUnaccessData(array_);
    }
    ArrayAccess(const ArrayAccess&) = delete;
    ArrayAccess& operator=(const ArrayAccess&) = delete;
    template <class T>
    T* As() const { return static_cast<T*>(data_); }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

// Sole owner of a SAFEARRAY while it is being filled.
class UniqueArray {
public:
    explicit UniqueArray(SAFEARRAY* array) : array_(array) {
        if (!array_) throw std::bad_alloc();
    }
    ~UniqueArray() {
        if (array_) SafeArrayDestroy(array_);
    }
    UniqueArray(const UniqueArray&) = delete;
    UniqueArray& operator=(const UniqueArray&) = delete;
    SAFEARRAY* get() const { return array_; }
    SAFEARRAY* release() { return std::exchange(array_, nullptr); }

private:
    SAFEARRAY* array_;
};

// The bounds of each dimension, dimension 1 first (SafeArrayGetLBound
// counts dimensions the same way). Element storage is the same in both
// models: the first dimension varies fastest.
std::vector<ArrayBound> BoundsOf(SAFEARRAY* array) {
    std::vector<ArrayBound> bounds;
    for (UINT dimension = 1; dimension <= SafeArrayGetDim(array); ++dimension) {
        LONG lower = 0, upper = -1;
        SafeArrayGetLBound(array, dimension, &lower);
        SafeArrayGetUBound(array, dimension, &upper);
        bounds.push_back({lower, static_cast<std::uint32_t>(upper - lower + 1)});
    }
    return bounds;
}

template <class Model, class Element, class Convert>
Variant ArrayFrom(SAFEARRAY* array, Convert convert) {
    Model model(BoundsOf(array));
    ArrayAccess access(array);
    const Element* elements = access.As<Element>();
    if (elements) {
        for (std::size_t i = 0; i < model.Elements().size(); ++i) model.Elements()[i] = convert(elements[i]);
    }
    return model;
}

// A SAFEARRAY of `vt` elements with the model's bounds; store(model
// element, array element) fills each. On failure the array is destroyed with
// whatever it already holds.
template <class Element, class T, class Store>
SAFEARRAY* ArrayTo(const SafeArray<T>& model, VARTYPE vt, Store store) {
    std::vector<SAFEARRAYBOUND> bounds;
    for (const ArrayBound& bound : model.Bounds()) bounds.push_back({bound.cElements, bound.lLbound});
    UniqueArray array(SafeArrayCreate(vt, static_cast<UINT>(bounds.size()), bounds.data()));
    {
        ArrayAccess access(array.get());
        Element* elements = access.As<Element>();
        if (!elements && !model.Elements().empty()) throw std::bad_alloc();
        for (std::size_t i = 0; i < model.Elements().size(); ++i) store(model.Elements()[i], elements[i]);
    }
    return array.release();
}

}  // namespace

Variant FromVariant(const VARIANT& variant) {
    const VARIANT* v = &variant;
    while (V_VT(v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(v)) v = V_VARIANTREF(v);
    const bool byRef = (V_VT(v) & VT_BYREF) != 0;
    const VARTYPE vt = V_VT(v) & ~VT_BYREF;

    if (vt & VT_ARRAY) {
        SAFEARRAY* array = byRef ? (V_ARRAYREF(v) ? *V_ARRAYREF(v) : nullptr) : V_ARRAY(v);
        if (!array) return Unsupported{vt};
        switch (vt & VT_TYPEMASK) {
            case VT_UI1:
                return ArrayFrom<ByteArray, BYTE>(array, [](BYTE b) { return std::uint8_t{b}; });
            case VT_BSTR:
                return ArrayFrom<StringArray, BSTR>(array, [](BSTR s) { return Narrow(s); });
            case VT_VARIANT:
                return ArrayFrom<VariantArray, VARIANT>(array, [](const VARIANT& e) { return FromVariant(e); });
            default:
                return Unsupported{vt};
        }
    }
    switch (vt) {
        case VT_EMPTY: return Empty{};
        case VT_NULL: return Null{};
        case VT_I2: return std::int16_t{byRef ? *V_I2REF(v) : V_I2(v)};
        case VT_I4: return std::int32_t{byRef ? *V_I4REF(v) : V_I4(v)};
        case VT_R8: return byRef ? *V_R8REF(v) : V_R8(v);
        case VT_BSTR: return Narrow(byRef ? *V_BSTRREF(v) : V_BSTR(v));
        default: return Unsupported{vt};
    }
}

void ToVariant(const Variant& value, VARIANT* variant) {
    if (const std::string* text = value.As<std::string>()) {
        V_BSTR(variant) = Wide(*text).release();
        V_VT(variant) = VT_BSTR;
    } else if (const double* number = value.As<double>()) {
        V_R8(variant) = *number;
        V_VT(variant) = VT_R8;
    } else if (const std::int32_t* number = value.As<std::int32_t>()) {
        V_I4(variant) = *number;
        V_VT(variant) = VT_I4;
    } else if (const std::int16_t* number = value.As<std::int16_t>()) {
        V_I2(variant) = *number;
        V_VT(variant) = VT_I2;
    } else if (value.IsNull()) {
        V_VT(variant) = VT_NULL;
    } else if (const ByteArray* bytes = value.As<ByteArray>()) {
        V_ARRAY(variant) = ArrayTo<BYTE>(*bytes, VT_UI1, [](std::uint8_t b, BYTE& e) { e = b; });
        V_VT(variant) = VT_ARRAY | VT_UI1;
    } else if (const StringArray* strings = value.As<StringArray>()) {
        V_ARRAY(variant) = ArrayTo<BSTR>(*strings, VT_BSTR,
                                         [](const std::string& s, BSTR& e) { e = Wide(s).release(); });
        V_VT(variant) = VT_ARRAY | VT_BSTR;
    } else if (const VariantArray* variants = value.As<VariantArray>()) {
        V_ARRAY(variant) = ArrayTo<VARIANT>(*variants, VT_VARIANT,
                                            [](const Variant& v, VARIANT& e) { ToVariant(v, &e); });
        V_VT(variant) = VT_ARRAY | VT_VARIANT;
    } else {
        V_VT(variant) = VT_EMPTY;  // Empty, and types the model holds only as a code
    }
}

}  // namespace hivewalk::automation
