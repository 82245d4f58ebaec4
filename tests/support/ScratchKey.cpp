#include "ScratchKey.h"

#include <gtest/gtest.h>

namespace hivewalk::test {
namespace {
constexpr const char* kTestsRoot = "Software\\HivewalkTests";
}

void DeleteTree(Registry& registry, HKey parent, const std::string& name) {
    HKey key = 0;
    if (registry.RegOpenKeyExA(parent, name.c_str(), 0, kKeyAllAccess, &key) != kErrorSuccess)
        return;
    for (;;) {
        char child[1024];
        std::uint32_t length = sizeof child;
        if (registry.RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            kErrorSuccess)
            break;
        DeleteTree(registry, key, child);
    }
    registry.RegCloseKey(key);
    registry.RegDeleteKeyA(parent, name.c_str());
}

ScratchKey::ScratchKey(Registry& registry, const std::string& name)
    : registry_(registry), subPath_(std::string(kTestsRoot) + "\\" + name) {
    DeleteTree(registry_, kHKeyCurrentUser, subPath_);
    HKey key = 0;
    const long result = registry_.RegCreateKeyExA(kHKeyCurrentUser, subPath_.c_str(), 0, "", 0,
                                                  kKeyAllAccess, nullptr, &key, nullptr);
    EXPECT_EQ(result, kErrorSuccess) << "creating the scratch key " << subPath_;
    key_ = RegKey(registry_, key);
}

ScratchKey::~ScratchKey() {
    key_.reset();
    DeleteTree(registry_, kHKeyCurrentUser, subPath_);
    // Leave HivewalkTests itself once it is empty.
    registry_.RegDeleteKeyA(kHKeyCurrentUser, kTestsRoot);
}

std::string ScratchKey::Path(const std::string& below) const {
    std::string path = "\\HKEY_CURRENT_USER\\" + subPath_;
    if (!below.empty()) path += "\\" + below;
    return path;
}

void ScratchKey::MakeKey(const std::string& path, const std::string& className) {
    HKey key = 0;
    ASSERT_EQ(registry_.RegCreateKeyExA(key_.get(), path.c_str(), 0, className.c_str(), 0,
                                        kKeyAllAccess, nullptr, &key, nullptr),
              kErrorSuccess)
        << "creating " << path;
    registry_.RegCloseKey(key);
}

void ScratchKey::SetValue(const std::string& keyPath, const std::string& name,
                          std::uint32_t type, const std::vector<std::uint8_t>& data) {
    HKey key = 0;
    ASSERT_EQ(registry_.RegCreateKeyExA(key_.get(), keyPath.c_str(), 0, "", 0, kKeyAllAccess,
                                        nullptr, &key, nullptr),
              kErrorSuccess)
        << "creating " << keyPath;
    EXPECT_EQ(registry_.RegSetValueExA(key, name.c_str(), 0, type, data.data(),
                                       static_cast<std::uint32_t>(data.size())),
              kErrorSuccess)
        << "setting " << keyPath << "\\" << name;
    registry_.RegCloseKey(key);
}

void ScratchKey::SetString(const std::string& keyPath, const std::string& name,
                           const std::string& text) {
    std::vector<std::uint8_t> data = Bytes(text);
    data.push_back(0);
    SetValue(keyPath, name, kRegSz, data);
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

}  // namespace hivewalk::test
