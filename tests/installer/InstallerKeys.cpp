#include "InstallerKeys.h"

#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <ostream>

namespace installer::test {

using hivewalk::HKey;
using hivewalk::kErrorSuccess;
using hivewalk::kHKeyCurrentUser;
using hivewalk::kHKeyLocalMachine;
using hivewalk::kKeyAllAccess;
using hivewalk::kKeyRead;

namespace {

constexpr const char* kMarker = "Created by installer tests";

// The prefixes of a path: "a\b\c" gives "a", "a\b", "a\b\c".
std::vector<std::string> Prefixes(const std::string& path) {
    std::vector<std::string> prefixes;
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        prefixes.push_back(path.substr(0, at));
    prefixes.push_back(path);
    return prefixes;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
    out << "type " << value.type << " data {";
    for (std::uint8_t byte : value.data) out << " " << static_cast<int>(byte);
    return out << " }";
}

StoredValue SzValue(const std::string& text) {
    StoredValue value{hivewalk::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

StoredValue DwordValue(std::uint32_t number) {
    return {hivewalk::kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

InstallerKeys::InstallerKeys(hivewalk::Registry& registry) : registry_(registry) {
    journaling_ = Ensure(kHKeyCurrentUser, kJournalingPath);
    autocad_ = Ensure(kHKeyLocalMachine, kAutocadPath);
    DeleteOwnKeys();
    SetValue(kHKeyCurrentUser, std::string(kJournalingPath) + "\\" + kOtherApplication,
             "Description", SzValue("Other"));
}

InstallerKeys::~InstallerKeys() {
    DeleteOwnKeys();
    Release(journaling_);
    Release(autocad_);
}

void InstallerKeys::DeleteOwnKeys() {
    for (const char* name : {"AutoCAD", kOtherApplication})
        hivewalk::test::DeleteTree(registry_, kHKeyCurrentUser,
                                   std::string(kJournalingPath) + "\\" + name);
    hivewalk::test::DeleteTree(registry_, kHKeyLocalMachine, kR14Path);
}

InstallerKeys::CreatedPath InstallerKeys::Ensure(HKey root, const std::string& path) {
    CreatedPath created{root, ""};
    for (const std::string& prefix : Prefixes(path)) {
        if (!Exists(root, prefix)) {
            created.topmost = prefix;
            break;
        }
        if (Exists(root, prefix + "\\" + kMarker)) {  // left by a crashed run
            hivewalk::test::DeleteTree(registry_, root, prefix);
            created.topmost = prefix;
            break;
        }
    }
    if (created.topmost.empty()) return created;
    MakeKey(root, path);
    MakeKey(root, created.topmost + "\\" + kMarker);
    return created;
}

void InstallerKeys::Release(const CreatedPath& created) {
    if (!created.topmost.empty())
        hivewalk::test::DeleteTree(registry_, created.root, created.topmost);
}

void InstallerKeys::MakeAutocadR14(const std::optional<std::string>& curVer,
                                   const std::vector<std::string>& releases) {
    MakeKey(kHKeyLocalMachine, kR14Path);
    if (curVer) SetValue(kHKeyLocalMachine, kR14Path, "CurVer", SzValue(*curVer));
    for (const std::string& release : releases)
        MakeKey(kHKeyLocalMachine, std::string(kR14Path) + "\\" + release);
}

bool InstallerKeys::RemoveJournalingKey() {
    if (journaling_.topmost.empty()) return false;
    hivewalk::test::DeleteTree(registry_, kHKeyCurrentUser, kJournalingPath);
    return true;
}

bool InstallerKeys::Exists(HKey root, const std::string& path) const {
    HKey key = 0;
    if (registry_.RegOpenKeyExA(root, path.c_str(), 0, kKeyRead, &key) != kErrorSuccess)
        return false;
    registry_.RegCloseKey(key);
    return true;
}

std::vector<std::string> InstallerKeys::SubKeysOf(HKey root, const std::string& path) const {
    std::vector<std::string> names;
    HKey key = 0;
    if (registry_.RegOpenKeyExA(root, path.c_str(), 0, kKeyRead, &key) != kErrorSuccess)
        return names;
    for (std::uint32_t index = 0;; ++index) {
        char name[1024];
        std::uint32_t length = sizeof name;
        if (registry_.RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr,
                                    nullptr) != kErrorSuccess)
            break;
        names.emplace_back(name, length);
    }
    registry_.RegCloseKey(key);
    return names;
}

StoredValues InstallerKeys::ValuesOf(HKey root, const std::string& path) const {
    StoredValues values;
    HKey key = 0;
    if (registry_.RegOpenKeyExA(root, path.c_str(), 0, kKeyRead, &key) != kErrorSuccess)
        return values;
    for (std::uint32_t index = 0;; ++index) {
        char name[1024];
        std::uint8_t data[1024];
        std::uint32_t nameLength = sizeof name, dataLength = sizeof data, type = 0;
        if (registry_.RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data,
                                    &dataLength) != kErrorSuccess)
            break;
        values[std::string(name, nameLength)] = {type, {data, data + dataLength}};
    }
    registry_.RegCloseKey(key);
    return values;
}

void InstallerKeys::MakeKey(HKey root, const std::string& path) {
    HKey key = 0;
    ASSERT_EQ(registry_.RegCreateKeyExA(root, path.c_str(), 0, "", 0, kKeyAllAccess, nullptr, &key,
                                        nullptr),
              kErrorSuccess)
        << "creating " << path;
    registry_.RegCloseKey(key);
}

void InstallerKeys::SetValue(HKey root, const std::string& path, const std::string& name,
                             const StoredValue& value) {
    HKey key = 0;
    ASSERT_EQ(registry_.RegCreateKeyExA(root, path.c_str(), 0, "", 0, kKeyAllAccess, nullptr, &key,
                                        nullptr),
              kErrorSuccess)
        << "creating " << path;
    EXPECT_EQ(registry_.RegSetValueExA(key, name.c_str(), 0, value.type, value.data.data(),
                                       static_cast<std::uint32_t>(value.data.size())),
              kErrorSuccess)
        << "setting " << path << "\\" << name;
    registry_.RegCloseKey(key);
}

}  // namespace installer::test
