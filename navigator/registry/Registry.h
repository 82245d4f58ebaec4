// The seam between the navigator and a registry.
//
// The ten routines mirror the narrow-string advapi32 functions of the same
// names, argument for argument, and return the Win32 result code. Two
// backends implement them: Advapi32Registry (the real registry, Win32 only)
// and ModelRegistry (an in-memory model for portable builds and tests).
// Keeping the signatures identical to advapi32 is what lets one contract
// suite run against both.
#pragma once

#include <cstdint>

namespace hivewalk {

// A registry handle. Win32 HKEYs are 32 bits wide on the platform this ships
// for; the model hands out values of the same width.
using HKey = std::uint32_t;

struct FileTime {
    std::uint32_t dwLowDateTime = 0;
    std::uint32_t dwHighDateTime = 0;
};

struct SecurityAttributes {
    std::uint32_t nLength = sizeof(SecurityAttributes);
    void* lpSecurityDescriptor = nullptr;
    std::int32_t bInheritHandle = 0;
};

// Predefined roots.
inline constexpr HKey kHKeyClassesRoot = 0x80000000u;
inline constexpr HKey kHKeyCurrentUser = 0x80000001u;
inline constexpr HKey kHKeyLocalMachine = 0x80000002u;
inline constexpr HKey kHKeyUsers = 0x80000003u;
inline constexpr HKey kHKeyCurrentConfig = 0x80000005u;
inline constexpr HKey kHKeyDynData = 0x80000006u;

// Access masks.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::uint32_t kRegOptionNonVolatile = 0;
inline constexpr std::uint32_t kRegCreatedNewKey = 1;
inline constexpr std::uint32_t kRegOpenedExistingKey = 2;

// Result codes the navigator and its tests meet.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorOutOfMemory = 14;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorBadPathname = 161;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;
inline constexpr long kErrorBadDb = 1009;
inline constexpr long kErrorBadKey = 1010;
inline constexpr long kErrorCantOpen = 1011;
inline constexpr long kErrorCantRead = 1012;
inline constexpr long kErrorCantWrite = 1013;
inline constexpr long kErrorKeyDeleted = 1018;

class Registry {
public:
    virtual ~Registry() = default;

    virtual long RegOpenKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t ulOptions,
                               std::uint32_t samDesired, HKey* phkResult) = 0;
    virtual long RegCloseKey(HKey hKey) = 0;
    virtual long RegCreateKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t Reserved,
                                 const char* lpClass, std::uint32_t dwOptions,
                                 std::uint32_t samDesired,
                                 const SecurityAttributes* lpSecurityAttributes,
                                 HKey* phkResult, std::uint32_t* lpdwDisposition) = 0;
    virtual long RegDeleteKeyA(HKey hKey, const char* lpSubKey) = 0;
    virtual long RegDeleteValueA(HKey hKey, const char* lpValueName) = 0;
    virtual long RegQueryInfoKeyA(HKey hKey, char* lpClass, std::uint32_t* lpcchClass,
                                  std::uint32_t* lpReserved, std::uint32_t* lpcSubKeys,
                                  std::uint32_t* lpcbMaxSubKeyLen,
                                  std::uint32_t* lpcbMaxClassLen, std::uint32_t* lpcValues,
                                  std::uint32_t* lpcbMaxValueNameLen,
                                  std::uint32_t* lpcbMaxValueLen,
                                  std::uint32_t* lpcbSecurityDescriptor,
                                  FileTime* lpftLastWriteTime) = 0;
    virtual long RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName,
                               std::uint32_t* lpcchName, std::uint32_t* lpReserved,
                               char* lpClass, std::uint32_t* lpcchClass,
                               FileTime* lpftLastWriteTime) = 0;
    virtual long RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                               std::uint32_t* lpcchValueName, std::uint32_t* lpReserved,
                               std::uint32_t* lpType, std::uint8_t* lpData,
                               std::uint32_t* lpcbData) = 0;
    virtual long RegQueryValueExA(HKey hKey, const char* lpValueName, std::uint32_t* lpReserved,
                                  std::uint32_t* lpType, std::uint8_t* lpData,
                                  std::uint32_t* lpcbData) = 0;
    virtual long RegSetValueExA(HKey hKey, const char* lpValueName, std::uint32_t Reserved,
                                std::uint32_t dwType, const std::uint8_t* lpData,
                                std::uint32_t cbData) = 0;
};

}  // namespace hivewalk
