// Advapi32Registry: the seam's routines forwarded to the real advapi32.
// Win32 builds only.
#pragma once

#include "registry/Registry.h"

namespace hivewalk {

class Advapi32Registry final : public Registry {
public:
    long RegOpenKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t ulOptions,
                       std::uint32_t samDesired, HKey* phkResult) override;
    long RegCloseKey(HKey hKey) override;
    long RegCreateKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t Reserved,
                         const char* lpClass, std::uint32_t dwOptions, std::uint32_t samDesired,
                         const SecurityAttributes* lpSecurityAttributes, HKey* phkResult,
                         std::uint32_t* lpdwDisposition) override;
    long RegDeleteKeyA(HKey hKey, const char* lpSubKey) override;
    long RegDeleteValueA(HKey hKey, const char* lpValueName) override;
    long RegQueryInfoKeyA(HKey hKey, char* lpClass, std::uint32_t* lpcchClass,
                          std::uint32_t* lpReserved, std::uint32_t* lpcSubKeys,
                          std::uint32_t* lpcbMaxSubKeyLen, std::uint32_t* lpcbMaxClassLen,
                          std::uint32_t* lpcValues, std::uint32_t* lpcbMaxValueNameLen,
                          std::uint32_t* lpcbMaxValueLen, std::uint32_t* lpcbSecurityDescriptor,
                          FileTime* lpftLastWriteTime) override;
    long RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName, std::uint32_t* lpcchName,
                       std::uint32_t* lpReserved, char* lpClass, std::uint32_t* lpcchClass,
                       FileTime* lpftLastWriteTime) override;
    long RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                       std::uint32_t* lpcchValueName, std::uint32_t* lpReserved,
                       std::uint32_t* lpType, std::uint8_t* lpData,
                       std::uint32_t* lpcbData) override;
    long RegQueryValueExA(HKey hKey, const char* lpValueName, std::uint32_t* lpReserved,
                          std::uint32_t* lpType, std::uint8_t* lpData,
                          std::uint32_t* lpcbData) override;
    long RegSetValueExA(HKey hKey, const char* lpValueName, std::uint32_t Reserved,
                        std::uint32_t dwType, const std::uint8_t* lpData,
                        std::uint32_t cbData) override;
};

// The process-wide instance; advapi32 has no state of ours to keep apart.
Registry& SystemRegistry();

}  // namespace hivewalk
