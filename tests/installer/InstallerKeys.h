// The registry keys the installer works on, made real for one test.
//
// HKEY_CURRENT_USER\Software\Microsoft\Shared Tools\Outlook\Journaling holds
// another application's journaling key, and
// HKEY_LOCAL_MACHINE\SOFTWARE\Autodesk\AutoCAD waits for a test to put an
// R14.0 entry into it. Under Wine
// these are the test prefix's real keys: whatever of their paths was missing
// is created, and deleted with everything below it when the test ends. A
// marker sub-key on the topmost key created lets a later run recognise the
// leftovers of a run that crashed, and delete them first. The keys the
// installer itself writes (Journaling\AutoCAD, AutoCAD\R14.0) are deleted
// first and last in any case.
#pragma once

#include "registry/Registry.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace installer::test {

struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};
std::ostream& operator<<(std::ostream& out, const StoredValue& value);

using StoredValues = std::map<std::string, StoredValue>;

// A REG_SZ as stored, with its NUL; a REG_DWORD.
StoredValue SzValue(const std::string& text);
StoredValue DwordValue(std::uint32_t number);

inline constexpr const char* kJournalingPath =
    "Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";
inline constexpr const char* kEntryPath =
    "Software\\Microsoft\\Shared Tools\\Outlook\\Journaling\\AutoCAD";
inline constexpr const char* kOtherApplication = "Other Application";
inline constexpr const char* kAutocadPath = "SOFTWARE\\Autodesk\\AutoCAD";
inline constexpr const char* kR14Path = "SOFTWARE\\Autodesk\\AutoCAD\\R14.0";

class InstallerKeys {
public:
    explicit InstallerKeys(hivewalk::Registry& registry);
    ~InstallerKeys();
    InstallerKeys(const InstallerKeys&) = delete;
    InstallerKeys& operator=(const InstallerKeys&) = delete;

    // R14.0 with a "CurVer" string (none if nullopt) and these sub-keys.
    void MakeAutocadR14(const std::optional<std::string>& curVer,
                        const std::vector<std::string>& releases);
    // Removes the Journaling key; false (and nothing done) when it was not
    // created by this fixture, so it belongs to the machine.
    bool RemoveJournalingKey();

    // Reading back, straight through the registry seam.
    bool Exists(hivewalk::HKey root, const std::string& path) const;
    std::vector<std::string> SubKeysOf(hivewalk::HKey root, const std::string& path) const;
    StoredValues ValuesOf(hivewalk::HKey root, const std::string& path) const;

    // Fixture builders; they fail the test on any error.
    void MakeKey(hivewalk::HKey root, const std::string& path);
    void SetValue(hivewalk::HKey root, const std::string& path, const std::string& name,
                  const StoredValue& value);

private:
    struct CreatedPath {
        hivewalk::HKey root;
        std::string topmost;  // "" when the whole path was there already
    };
    CreatedPath Ensure(hivewalk::HKey root, const std::string& path);
    void Release(const CreatedPath& created);
    void DeleteOwnKeys();

    hivewalk::Registry& registry_;
    CreatedPath journaling_;
    CreatedPath autocad_;
};

}  // namespace installer::test
