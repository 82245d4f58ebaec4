// Variant: a portable model of the automation VARIANT for the values that
// cross the navigator's interface, and SafeArray, a model of SAFEARRAY.
//
// It is a model, not a convenience type: each Variant has the VT_ type code
// a VARIANT would have (VarType(), with vtArray added for arrays), and each
// array keeps its own lower bound and element count per dimension and stores
// its elements in SAFEARRAY order, the first dimension varying fastest. The
// COM layer converts both ways without reinterpretation.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace hivewalk {

// VT_ codes of the types in use.
enum VarType : std::uint16_t {
    vtEmpty = 0,
    vtNull = 1,
    vtInteger = 2,   // VT_I2
    vtLong = 3,      // VT_I4
    vtDouble = 5,    // VT_R8
    vtString = 8,    // VT_BSTR
    vtVariant = 12,  // VT_VARIANT, as an array element type
    vtByte = 17,     // VT_UI1
    vtArray = 0x2000,
};

// One dimension's bounds, as SAFEARRAYBOUND holds them.
struct ArrayBound {
    std::int32_t lLbound = 0;
    std::uint32_t cElements = 0;
    friend bool operator==(const ArrayBound&, const ArrayBound&) = default;
};

template <class T>
class SafeArray {
public:
    SafeArray() : SafeArray({ArrayBound{0, 0}}) {}
    // Dimensions in declaration order: bounds[0] is dimension 1.
    explicit SafeArray(std::vector<ArrayBound> bounds) : bounds_(std::move(bounds)) {
        std::size_t count = 1;
        for (const ArrayBound& bound : bounds_) count *= bound.cElements;
        elements_.resize(bounds_.empty() ? 0 : count);
    }
    // A one-dimensional array with its elements, starting at `lower`.
    static SafeArray Vector(std::vector<T> elements, std::int32_t lower = 0) {
        SafeArray array({ArrayBound{lower, static_cast<std::uint32_t>(elements.size())}});
        array.elements_ = std::move(elements);
        return array;
    }

    std::uint32_t Dimensions() const { return static_cast<std::uint32_t>(bounds_.size()); }
    const std::vector<ArrayBound>& Bounds() const { return bounds_; }

    // LBound and UBound of a dimension counted from 1, or nothing when the
    // array has no such dimension (where SafeArrayGetUBound would fail).
    std::optional<std::int32_t> LBound(std::uint32_t dimension) const {
        if (dimension < 1 || dimension > bounds_.size()) return std::nullopt;
        return bounds_[dimension - 1].lLbound;
    }
    std::optional<std::int32_t> UBound(std::uint32_t dimension) const {
        if (dimension < 1 || dimension > bounds_.size()) return std::nullopt;
        const ArrayBound& bound = bounds_[dimension - 1];
        return static_cast<std::int32_t>(bound.lLbound + static_cast<std::int64_t>(bound.cElements) - 1);
    }

    // The element at one index per dimension, in declaration order.
    T& operator()(std::initializer_list<std::int32_t> indexes) { return elements_[Offset(indexes)]; }
    const T& operator()(std::initializer_list<std::int32_t> indexes) const {
        return elements_[Offset(indexes)];
    }
    template <class... Index>
    T& operator()(Index... indexes) { return (*this)({static_cast<std::int32_t>(indexes)...}); }
    template <class... Index>
    const T& operator()(Index... indexes) const {
        return (*this)({static_cast<std::int32_t>(indexes)...});
    }

    // All elements in storage order.
    const std::vector<T>& Elements() const { return elements_; }
    std::vector<T>& Elements() { return elements_; }

    friend bool operator==(const SafeArray&, const SafeArray&) = default;

private:
    std::size_t Offset(std::initializer_list<std::int32_t> indexes) const {
        if (indexes.size() != bounds_.size()) throw std::out_of_range("wrong number of dimensions");
        std::size_t offset = 0, stride = 1;
        auto bound = bounds_.begin();
        for (std::int32_t index : indexes) {
            const std::int64_t at = static_cast<std::int64_t>(index) - bound->lLbound;
            if (at < 0 || at >= bound->cElements) throw std::out_of_range("subscript out of range");
            offset += static_cast<std::size_t>(at) * stride;
            stride *= bound->cElements;
            ++bound;
        }
        return offset;
    }

    std::vector<ArrayBound> bounds_;
    std::vector<T> elements_;
};

struct Empty {
    friend bool operator==(Empty, Empty) { return true; }
};
struct Null {
    friend bool operator==(Null, Null) { return true; }
};
// A VARIANT of a type the navigator has no use for (a Boolean, a Date, an
// Integer array, ...), kept with its VT_ code so type checks refuse it.
struct Unsupported {
    std::uint16_t vt = 0;
    friend bool operator==(Unsupported, Unsupported) = default;
};

class Variant;
using ByteArray = SafeArray<std::uint8_t>;
using StringArray = SafeArray<std::string>;
using VariantArray = SafeArray<Variant>;

class Variant {
public:
    Variant() = default;
    Variant(Empty) {}
    Variant(Null value) : value_(value) {}
    Variant(std::int16_t value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(ByteArray value) : value_(std::move(value)) {}
    Variant(StringArray value) : value_(std::move(value)) {}
    Variant(VariantArray value) : value_(std::move(value)) {}
    Variant(Unsupported value) : value_(value) {}

    // The VT_ code: vtString, vtArray | vtByte, ...
    std::uint16_t VarType() const;
    bool IsNull() const { return std::holds_alternative<Null>(value_); }

    // The held value if it is a T, else nullptr.
    template <class T>
    const T* As() const { return std::get_if<T>(&value_); }
    template <class T>
    T* As() { return std::get_if<T>(&value_); }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<Empty, Null, std::int16_t, std::int32_t, double, std::string, ByteArray,
                 StringArray, VariantArray, Unsupported>
        value_;
};

inline std::uint16_t Variant::VarType() const {
    if (const Unsupported* other = As<Unsupported>()) return other->vt;
    static constexpr std::uint16_t codes[] = {
        vtEmpty, vtNull, vtInteger, vtLong, vtDouble, vtString,
        vtArray | vtByte, vtArray | vtString, vtArray | vtVariant,
    };
    return codes[value_.index()];
}

}  // namespace hivewalk
