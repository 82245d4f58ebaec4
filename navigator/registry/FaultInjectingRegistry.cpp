#include "registry/FaultInjectingRegistry.h"

#include <cstdio>

namespace hivewalk {
namespace {

bool IsPredefined(HKey key) { return key >= 0x80000000u && key <= 0x80000006u; }

std::string HandleText(HKey key) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(key));
    return text;
}

}  // namespace

const char* RoutineName(Routine routine) {
    static const char* const names[kRoutineCount] = {
        "RegOpenKeyExA",    "RegCloseKey",   "RegCreateKeyExA", "RegDeleteKeyA",
        "RegDeleteValueA",  "RegQueryInfoKeyA", "RegEnumKeyExA", "RegEnumValueA",
        "RegQueryValueExA", "RegSetValueExA",
    };
    return names[static_cast<std::size_t>(routine)];
}

void FaultInjectingRegistry::FailCall(Routine routine, int nth, long code) {
    faults_[{routine, calls_[Index(routine)] + nth}] = code;
}

long FaultInjectingRegistry::Enter(Routine routine, HKey hKey) {
    const int call = ++calls_[Index(routine)];
    if (hKey != 0 && !IsPredefined(hKey) && !open_.count(hKey)) {
        violations_.push_back(std::string(RoutineName(routine)) + " used handle " +
                              HandleText(hKey) + ", which is not open");
    }
    auto fault = faults_.find({routine, call});
    if (fault == faults_.end()) return kErrorSuccess;
    const long code = fault->second;
    faults_.erase(fault);
    return code;
}

void FaultInjectingRegistry::Opened(Routine routine, long result, const HKey* handle) {
    if (result != kErrorSuccess || !handle || IsPredefined(*handle)) return;
    if (!open_.insert(*handle).second) {
        violations_.push_back(std::string(RoutineName(routine)) + " returned handle " +
                              HandleText(*handle) + ", which was already open");
    }
}

long FaultInjectingRegistry::RegOpenKeyExA(HKey hKey, const char* lpSubKey,
                                           std::uint32_t ulOptions, std::uint32_t samDesired,
                                           HKey* phkResult) {
    if (long fault = Enter(Routine::RegOpenKeyExA, hKey)) return fault;
    const long result = inner_.RegOpenKeyExA(hKey, lpSubKey, ulOptions, samDesired, phkResult);
    Opened(Routine::RegOpenKeyExA, result, phkResult);
    return result;
}

long FaultInjectingRegistry::RegCloseKey(HKey hKey) {
    if (long fault = Enter(Routine::RegCloseKey, hKey)) return fault;
    const long result = inner_.RegCloseKey(hKey);
    if (result == kErrorSuccess) open_.erase(hKey);
    return result;
}

long FaultInjectingRegistry::RegCreateKeyExA(HKey hKey, const char* lpSubKey,
                                             std::uint32_t Reserved, const char* lpClass,
                                             std::uint32_t dwOptions, std::uint32_t samDesired,
                                             const SecurityAttributes* lpSecurityAttributes,
                                             HKey* phkResult, std::uint32_t* lpdwDisposition) {
    if (long fault = Enter(Routine::RegCreateKeyExA, hKey)) return fault;
    const long result = inner_.RegCreateKeyExA(hKey, lpSubKey, Reserved, lpClass, dwOptions,
                                               samDesired, lpSecurityAttributes, phkResult,
                                               lpdwDisposition);
    Opened(Routine::RegCreateKeyExA, result, phkResult);
    return result;
}

long FaultInjectingRegistry::RegDeleteKeyA(HKey hKey, const char* lpSubKey) {
    if (long fault = Enter(Routine::RegDeleteKeyA, hKey)) return fault;
    return inner_.RegDeleteKeyA(hKey, lpSubKey);
}

long FaultInjectingRegistry::RegDeleteValueA(HKey hKey, const char* lpValueName) {
    if (long fault = Enter(Routine::RegDeleteValueA, hKey)) return fault;
    return inner_.RegDeleteValueA(hKey, lpValueName);
}

long FaultInjectingRegistry::RegQueryInfoKeyA(
    HKey hKey, char* lpClass, std::uint32_t* lpcchClass, std::uint32_t* lpReserved,
    std::uint32_t* lpcSubKeys, std::uint32_t* lpcbMaxSubKeyLen, std::uint32_t* lpcbMaxClassLen,
    std::uint32_t* lpcValues, std::uint32_t* lpcbMaxValueNameLen, std::uint32_t* lpcbMaxValueLen,
    std::uint32_t* lpcbSecurityDescriptor, FileTime* lpftLastWriteTime) {
    if (long fault = Enter(Routine::RegQueryInfoKeyA, hKey)) return fault;
    return inner_.RegQueryInfoKeyA(hKey, lpClass, lpcchClass, lpReserved, lpcSubKeys,
                                   lpcbMaxSubKeyLen, lpcbMaxClassLen, lpcValues,
                                   lpcbMaxValueNameLen, lpcbMaxValueLen, lpcbSecurityDescriptor,
                                   lpftLastWriteTime);
}

long FaultInjectingRegistry::RegEnumKeyExA(HKey hKey, std::uint32_t dwIndex, char* lpName,
                                           std::uint32_t* lpcchName, std::uint32_t* lpReserved,
                                           char* lpClass, std::uint32_t* lpcchClass,
                                           FileTime* lpftLastWriteTime) {
    if (long fault = Enter(Routine::RegEnumKeyExA, hKey)) return fault;
    return inner_.RegEnumKeyExA(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass,
                                lpcchClass, lpftLastWriteTime);
}

long FaultInjectingRegistry::RegEnumValueA(HKey hKey, std::uint32_t dwIndex, char* lpValueName,
                                           std::uint32_t* lpcchValueName,
                                           std::uint32_t* lpReserved, std::uint32_t* lpType,
                                           std::uint8_t* lpData, std::uint32_t* lpcbData) {
    if (long fault = Enter(Routine::RegEnumValueA, hKey)) return fault;
    return inner_.RegEnumValueA(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType,
                                lpData, lpcbData);
}

long FaultInjectingRegistry::RegQueryValueExA(HKey hKey, const char* lpValueName,
                                              std::uint32_t* lpReserved, std::uint32_t* lpType,
                                              std::uint8_t* lpData, std::uint32_t* lpcbData) {
    if (long fault = Enter(Routine::RegQueryValueExA, hKey)) return fault;
    return inner_.RegQueryValueExA(hKey, lpValueName, lpReserved, lpType, lpData, lpcbData);
}

long FaultInjectingRegistry::RegSetValueExA(HKey hKey, const char* lpValueName,
                                            std::uint32_t Reserved, std::uint32_t dwType,
                                            const std::uint8_t* lpData, std::uint32_t cbData) {
    if (long fault = Enter(Routine::RegSetValueExA, hKey)) return fault;
    return inner_.RegSetValueExA(hKey, lpValueName, Reserved, dwType, lpData, cbData);
}

}  // namespace hivewalk
