// ValueOf: typed writes and three-view reads of one value.
#include "hivewalk/clsHivewalk.h"

#include "rendering.h"

#include <cmath>

namespace hivewalk {

// The number of dimensions, found the way a caller holding only the array
// would: by asking for the upper bound of dimension 1, 2, 3 ... until that
// fails.
std::uint32_t clsHivewalk::CountDimensions(const ByteArray& array) {
    std::uint32_t dimensions = 0;
    while (array.UBound(dimensions + 1)) ++dimensions;
    return dimensions;
}

void clsHivewalk::ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                          const Variant& vntValue) {
    std::uint32_t type = 0;
    Bytes data;
    switch (lngValueType) {
        case hwSTRING: {
            const std::string* text = vntValue.As<std::string>();
            if (!text) RaiseClassError(hwTypeMismatch);
            data.assign(text->begin(), text->end());
            data.push_back(0);
            type = kRegSz;
            break;
        }
        case hwByte: {
            const ByteArray* bytes = vntValue.As<ByteArray>();
            if (!bytes || CountDimensions(*bytes) != 1) RaiseClassError(hwTypeMismatch);
            data = bytes->Elements();
            type = kRegBinary;
            break;
        }
        case hwDWord: {
            // Only a Double: a Long or an Integer is refused, as is anything
            // but a whole number in the unsigned 32-bit range (NaN included).
            const double* number = vntValue.As<double>();
            if (!number || !(*number == std::trunc(*number)) || *number > 4294967295.0 ||
                *number < 0)
                RaiseClassError(hwTypeMismatch);
            const auto value = static_cast<std::uint32_t>(*number);
            data = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                    static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
            type = kRegDword;
            break;
        }
        default:
            RaiseClassError(hwUnknownType);
    }
    // Written through the handle the last move or read left, which carries
    // full access; the key is not reopened.
    CheckApiResult(m_registry.RegSetValueExA(m_hCurrentKey.get(), strValueName.c_str(), 0, type,
                                             data.data(), static_cast<std::uint32_t>(data.size())));
}

Variant clsHivewalk::ValueOf(const std::string& strValueName, std::int32_t& lngValueType) {
    if (!m_CurrentKey.empty()) OpenKeyPath(m_CurrentKey, kKeyRead);

    std::uint32_t type = 0, size = 0;
    CheckApiResult(m_registry.RegQueryValueExA(m_hCurrentKey.get(), strValueName.c_str(), nullptr,
                                               &type, nullptr, &size));
    Bytes data(size);
    CheckApiResult(m_registry.RegQueryValueExA(m_hCurrentKey.get(), strValueName.c_str(), nullptr,
                                               &type, data.data(), &size));
    data.resize(size);

    lngValueType = type == kRegBinary ? hwByte : type == kRegDword ? hwDWord : hwSTRING;

    std::string text;
    ByteArray bytes = ByteArray::Vector({});
    double number = 0;
    if (!data.empty()) {
        bytes = ByteArray::Vector(data);
        if (type == kRegBinary) {
            text = BinaryText(data);
        } else if (type == kRegDword) {
            text = DwordHex(data);
            number = DwordNumber(data);
        } else {
            text = StringText(data);
            // The bytes lose the final NUL too, unless it was the only byte:
            // then the one element stays, holding 0.
            if (const std::size_t length = StringLength(data); length > 0)
                bytes = ByteArray::Vector(Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length)));
        }
    }

    if (!m_CurrentKey.empty()) OpenKeyPath(m_CurrentKey, kKeyAllAccess);
    return VariantArray::Vector({Variant(text), Variant(std::move(bytes)), Variant(number)});
}

}  // namespace hivewalk
