// FileServices: the plain file operations the installer's steps use.
//
// Paths are Windows paths in narrow text. Every failure throws a FileError
// (FileError.h) whose description names the file and what went wrong.
#pragma once

#include "FileError.h"

#include <string>

namespace installer {

class FileServices {
public:
    virtual ~FileServices() = default;

    // True if a plain file exists at the path: folders, hidden files and
    // system files do not count. Never fails; anything unreadable is absent.
    virtual bool IsPresent(const std::string& path) = 0;

    // Copies `from` to `to`, replacing any existing `to`. The replacement is
    // safe: when the copy fails for any reason (source missing or unreadable,
    // target read-only or in use), an existing `to` is left as it was.
    virtual void Copy(const std::string& from, const std::string& to) = 0;

    virtual void Delete(const std::string& path) = 0;

    // The whole content of an existing file, byte for byte.
    virtual std::string ReadAll(const std::string& path) = 0;

    // Writes the bytes at the end of an existing file.
    virtual void Append(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace installer
