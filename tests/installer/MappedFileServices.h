// MappedFileServices: the installer's file services over std::filesystem,
// for native tests. Windows paths are mapped into a root folder the way
// Windows treats them, case-insensitively: the whole path is lower-cased, the
// drive letter becomes a folder, and "\" separates the rest, so
// "C:\Program Files\x" and "c:\program files\x" both name
// <root>/c/program files/x. A path that is not absolute with a drive, or that
// holds an empty part (a doubled or trailing "\"), maps to nothing: it is
// never present and every operation on it fails, which keeps careless path
// joining visible.
#pragma once

#include "core/FileServices.h"

#include <filesystem>
#include <optional>
#include <string>

namespace installer::test {

class MappedFileServices final : public FileServices {
public:
    explicit MappedFileServices(std::filesystem::path root) : root_(std::move(root)) {}

    std::optional<std::filesystem::path> Map(const std::string& windowsPath) const;

    bool IsPresent(const std::string& path) override;
    void Copy(const std::string& from, const std::string& to) override;
    void Delete(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    void Append(const std::string& path, const std::string& bytes) override;

private:
    std::filesystem::path MapOrThrow(const std::string& windowsPath,
                                     const std::string& whatFailed) const;

    std::filesystem::path root_;
};

}  // namespace installer::test
