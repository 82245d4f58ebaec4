// DirKey and DirValue: listings of the current key.
//
// Both read through the key reopened for reading and reopen it with full
// access afterwards. The buffers are the fixed 1,024-character name and
// 1,024-byte data buffers of the listing's contract: a longer name or larger
// data fails the whole listing with the registry's error.
#include "hivewalk/clsHivewalk.h"

#include "platform_text.h"
#include "rendering.h"

#include <array>

namespace hivewalk {
namespace {

constexpr std::uint32_t kBufferSize = 1024;

const char* const kRootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                  "HKEY_USERS",        "HKEY_DYN_DATA",     "HKEY_CURRENT_CONFIG"};

struct KeyCounts {
    std::uint32_t subKeys = 0;
    std::uint32_t values = 0;
};

// RegQueryInfoKeyA with every field asked for, the class into a buffer of
// 1,024 characters; only the two counts are used.
long QueryKeyCounts(Registry& registry, HKey key, KeyCounts& counts) {
    std::array<char, kBufferSize> className;
    std::uint32_t classLength = kBufferSize, maxSubKey = 0, maxClass = 0, maxValueName = 0,
                  maxValue = 0, security = 0;
    FileTime written;
    return registry.RegQueryInfoKeyA(key, className.data(), &classLength, nullptr, &counts.subKeys,
                                     &maxSubKey, &maxClass, &counts.values, &maxValueName,
                                     &maxValue, &security, &written);
}

}  // namespace

Variant clsHivewalk::DirKey() {
    if (m_CurrentKey.empty()) {
        return StringArray::Vector(std::vector<std::string>(std::begin(kRootNames), std::end(kRootNames)));
    }
    OpenKeyPath(m_CurrentKey, kKeyRead);

    KeyCounts counts;
    CheckApiResult(QueryKeyCounts(m_registry, m_hCurrentKey.get(), counts));
    Variant result = Null{};
    if (counts.subKeys > 0) {
        // Sized once for all entries: the same array that growing it one
        // element at a time would give, at linear cost.
        StringArray names({ArrayBound{0, counts.subKeys}});
        std::array<char, kBufferSize> name, className;
        FileTime written;
        for (std::uint32_t i = 0; i < counts.subKeys; ++i) {
            std::uint32_t nameLength = kBufferSize, classLength = kBufferSize;
            CheckApiResult(m_registry.RegEnumKeyExA(m_hCurrentKey.get(), i, name.data(), &nameLength,
                                                    nullptr, className.data(), &classLength,
                                                    &written));
            names(i).assign(name.data(), nameLength);
        }
        result = std::move(names);
    }
    OpenKeyPath(m_CurrentKey, kKeyAllAccess);
    return result;
}

Variant clsHivewalk::DirValue() {
    if (m_CurrentKey.empty()) return Null{};
    OpenKeyPath(m_CurrentKey, kKeyRead);

    KeyCounts counts;
    CheckApiResult(QueryKeyCounts(m_registry, m_hCurrentKey.get(), counts));
    Variant result = Null{};
    if (counts.values > 0) {
        const std::string separator = ThousandsSeparator();
        StringArray table({ArrayBound{0, 3}, ArrayBound{0, counts.values}});
        std::array<char, kBufferSize> name;
        Bytes data(kBufferSize);
        for (std::uint32_t a = 0; a < counts.values; ++a) {
            std::uint32_t nameLength = kBufferSize, dataLength = kBufferSize, type = 0;
            CheckApiResult(m_registry.RegEnumValueA(m_hCurrentKey.get(), a, name.data(), &nameLength,
                                                    nullptr, &type, data.data(), &dataLength));
            table(hwValueName, a).assign(name.data(), nameLength);
            if (dataLength == 0) continue;  // empty data: empty data and type cells
            const Bytes value(data.begin(), data.begin() + dataLength);
            if (type == kRegBinary) {
                table(hwValueType, a) = "1";
                table(hwValue, a) = BinaryText(value);
            } else if (type == kRegDword) {
                table(hwValueType, a) = "2";
                table(hwValue, a) = DwordHex(value) + " (" +
                                    FormatTenDigitGroups(DwordNumber(value), separator) + ")";
            } else {
                table(hwValueType, a) = "0";
                table(hwValue, a) = StringText(value);
            }
        }
        result = std::move(table);
    }
    OpenKeyPath(m_CurrentKey, kKeyAllAccess);
    return result;
}

}  // namespace hivewalk
