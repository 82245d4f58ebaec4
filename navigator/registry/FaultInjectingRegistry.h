// FaultInjectingRegistry: decorates any backend for tests.
//
// - Fault injection: FailCall(routine, n, code) makes the n-th call of that
//   routine from now return `code` without reaching the backend, as a real
//   failure would.
// - Handle tracking: every handle that an open or create hands out is
//   recorded until it is closed. A call through a handle that is not open
//   (closed, never issued) is recorded as a violation; handle 0 and the
//   predefined roots are always allowed. OpenHandles() lists what is still
//   open, so a test can fail when an object leaves a handle behind.
#pragma once

#include "registry/Registry.h"

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace hivewalk {

enum class Routine {
    RegOpenKeyExA,
    RegCloseKey,
    RegCreateKeyExA,
    RegDeleteKeyA,
    RegDeleteValueA,
    RegQueryInfoKeyA,
    RegEnumKeyExA,
    RegEnumValueA,
    RegQueryValueExA,
    RegSetValueExA,
};
inline constexpr std::size_t kRoutineCount = 10;
const char* RoutineName(Routine routine);

class FaultInjectingRegistry final : public Registry {
public:
    explicit FaultInjectingRegistry(Registry& inner) : inner_(inner) {}

    void FailCall(Routine routine, int nth, long code);
    int Calls(Routine routine) const { return calls_[Index(routine)]; }
    const std::vector<std::string>& Violations() const { return violations_; }
    std::vector<HKey> OpenHandles() const { return {open_.begin(), open_.end()}; }

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

private:
    static std::size_t Index(Routine routine) { return static_cast<std::size_t>(routine); }
    // Counts the call, checks the handle it uses, and returns the injected
    // code for this call if there is one (else 0, meaning "go ahead").
    long Enter(Routine routine, HKey hKey);
    void Opened(Routine routine, long result, const HKey* handle);

    Registry& inner_;
    std::array<int, kRoutineCount> calls_{};
    std::map<std::pair<Routine, int>, long> faults_;  // (routine, call number) -> code
    std::set<HKey> open_;
    std::vector<std::string> violations_;
};

}  // namespace hivewalk
