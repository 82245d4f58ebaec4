// ScratchKey: a test's own key under HKEY_CURRENT_USER\Software\HivewalkTests,
// deleted with everything below it when the test starts and when it ends.
#pragma once

#include "registry/RegKey.h"
#include "registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hivewalk::test {

// Deletes parent\name and everything below it; a missing key is fine.
void DeleteTree(Registry& registry, HKey parent, const std::string& name);

class ScratchKey {
public:
    ScratchKey(Registry& registry, const std::string& name);
    ~ScratchKey();

    HKey handle() const { return key_.get(); }
    // The sub-path below HKEY_CURRENT_USER, e.g. Software\HivewalkTests\Nav.
    const std::string& subPath() const { return subPath_; }
    // The navigator's absolute path of the key or of a key below it.
    std::string Path(const std::string& below = "") const;

    // Fixture builders, through the seam; they fail the test on any error.
    void MakeKey(const std::string& path, const std::string& className = "");
    void SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data);
    void SetString(const std::string& keyPath, const std::string& name, const std::string& text);

private:
    Registry& registry_;
    std::string subPath_;
    RegKey key_;
};

std::vector<std::uint8_t> Bytes(const std::string& text);  // the characters, no NUL added

}  // namespace hivewalk::test
