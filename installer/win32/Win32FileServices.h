// Win32FileServices: the installer's file services over the narrow Win32
// file API.
#pragma once

#include "core/FileServices.h"

namespace installer {

class Win32FileServices final : public FileServices {
public:
    bool IsPresent(const std::string& path) override;
    // Copies to a temporary file in the target's folder and renames that
    // over the target, so the target changes only once the copy is whole.
    void Copy(const std::string& from, const std::string& to) override;
    void Delete(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    void Append(const std::string& path, const std::string& bytes) override;
};

}  // namespace installer
