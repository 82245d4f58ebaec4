#include "registry/Advapi32Registry.h"

#include <windows.h>

namespace hivewalk {
namespace {

static_assert(sizeof(HKEY) == sizeof(HKey), "registry handles are 32 bits on this target");
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
static_assert(sizeof(FILETIME) == sizeof(FileTime));

HKEY ToWin(HKey key) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key)); }
HKey FromWin(HKEY key) { return static_cast<HKey>(reinterpret_cast<ULONG_PTR>(key)); }
DWORD* ToWin(std::uint32_t* p) { return reinterpret_cast<DWORD*>(p); }
FILETIME* ToWin(FileTime* p) { return reinterpret_cast<FILETIME*>(p); }

}  // namespace

long Advapi32Registry::RegOpenKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t ulOptions,
                                     std::uint32_t samDesired, HKey* phkResult) {
    if (!phkResult) return ::RegOpenKeyExA(ToWin(hKey), lpSubKey, ulOptions, samDesired, nullptr);
    HKEY handle = nullptr;
    const LONG result = ::RegOpenKeyExA(ToWin(hKey), lpSubKey, ulOptions, samDesired, &handle);
    if (result == ERROR_SUCCESS) *phkResult = FromWin(handle);
    return result;
}

long Advapi32Registry::RegCloseKey(HKey hKey) { return ::RegCloseKey(ToWin(hKey)); }

long Advapi32Registry::RegCreateKeyExA(HKey hKey, const char* lpSubKey, std::uint32_t Reserved,
                                       const char* lpClass, std::uint32_t dwOptions,
                                       std::uint32_t samDesired,
                                       const SecurityAttributes* lpSecurityAttributes,
                                       HKey* phkResult, std::uint32_t* lpdwDisposition) {
    SECURITY_ATTRIBUTES attributes{};
    if (lpSecurityAttributes) {
        attributes.nLength = sizeof(attributes);
        attributes.lpSecurityDescriptor = lpSecurityAttributes->lpSecurityDescriptor;
        attributes.bInheritHandle = lpSecurityAttributes->bInheritHandle;
    }
    HKEY handle = nullptr;
    const LONG result = ::RegCreateKeyExA(
        ToWin(hKey), lpSubKey, Reserved, const_cast<char*>(lpClass), dwOptions, samDesired,
        lpSecurityAttributes ? &attributes : nullptr, phkResult ? &handle : nullptr,
        ToWin(lpdwDisposition));
    if (result == ERROR_SUCCESS && phkResult) *phkResult = FromWin(handle);
    return result;
}

long Advapi32Registry::RegDeleteKeyA(HKey hKey, const char* lpSubKey) {
    return ::RegDeleteKeyA(ToWin(hKey), lpSubKey);
}

long Advapi32Registry::RegDeleteValueA(HKey hKey, const char* lpValueName) {
    return ::RegDeleteValueA(ToWin(hKey), lpValueName);
}

long Advapi32Registry::RegQueryInfoKeyA(HKey hKey, char* lpClass, std::uint32_t* lpcchClass,
                                        std::uint32_t* lpReserved, std::uint32_t* lpcSubKeys,
                                        std::uint32_t* lpcbMaxSubKeyLen,
                                        std::uint32_t* lpcbMaxClassLen,
                                        std::uint32_t* lpcValues,
                                        std::uint32_t* lpcbMaxValueNameLen,
                                        std::uint32_t* lpcbMaxValueLen,
                                        std::uint32_t* lpcbSecurityDescriptor,
                                        FileTime* lpftLastWriteTime) {
    return ::RegQueryInfoKeyA(ToWin(hKey), lpClass, ToWin(lpcchClass), ToWin(lpReserved),
                              ToWin(lpcSubKeys), ToWin(lpcbMaxSubKeyLen), ToWin(lpcbMaxClassLen),
                              ToWin(lpcValues), ToWin(lpcbMaxValueNameLen),
                              ToWin(lpcbMaxValueLen), ToWin(lpcbSecurityDescriptor),
                              ToWin(lpftLastWriteTime));
}

long Advapi32Registry::RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName,
                                     std::uint32_t* lpcchName, std::uint32_t* lpReserved,
                                     char* lpClass, std::uint32_t* lpcchClass,
                                     FileTime* lpftLastWriteTime) {
    return ::RegEnumKeyExA(ToWin(hKey), dwIndex, lpName, ToWin(lpcchName), ToWin(lpReserved),
                           lpClass, ToWin(lpcchClass), ToWin(lpftLastWriteTime));
}

long Advapi32Registry::RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                                     std::uint32_t* lpcchValueName, std::uint32_t* lpReserved,
                                     std::uint32_t* lpType, std::uint8_t* lpData,
                                     std::uint32_t* lpcbData) {
    return ::RegEnumValueA(ToWin(hKey), dwIndex, lpValueName, ToWin(lpcchValueName),
                           ToWin(lpReserved), ToWin(lpType), lpData, ToWin(lpcbData));
}

long Advapi32Registry::RegQueryValueExA(HKey hKey, const char* lpValueName,
                                        std::uint32_t* lpReserved, std::uint32_t* lpType,
                                        std::uint8_t* lpData, std::uint32_t* lpcbData) {
    return ::RegQueryValueExA(ToWin(hKey), lpValueName, ToWin(lpReserved), ToWin(lpType), lpData,
                              ToWin(lpcbData));
}

long Advapi32Registry::RegSetValueExA(HKey hKey, const char* lpValueName, std::uint32_t Reserved,
                                      std::uint32_t dwType, const std::uint8_t* lpData,
                                      std::uint32_t cbData) {
    return ::RegSetValueExA(ToWin(hKey), lpValueName, Reserved, dwType, lpData, cbData);
}

Registry& SystemRegistry() {
    static Advapi32Registry registry;
    return registry;
}

}  // namespace hivewalk
