#include "Win32FileServices.h"

#include <windows.h>

#include <algorithm>

namespace installer {
namespace {

// The shared error number of a Win32 error code.
std::int32_t NumberOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return kFileNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return kPermissionDenied;
        default: return kPathFileAccessError;
    }
}

// Throws the error of a failed Win32 call. Callers take GetLastError() before
// they build the text, which could otherwise disturb it.
[[noreturn]] void Throw(DWORD error, const std::string& whatFailed) {
    throw MakeFileError(NumberOf(error), whatFailed);
}

// Windows refuses to replace, delete or write a read-only file. Wine running
// as root does not: it keeps the attribute in the file's mode bits, which
// root is not held to. Checking the attribute here gives the same answer, and
// the same error, on both.
void RefuseReadOnly(const std::string& path, const std::string& whatFailed) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw MakeFileError(kPermissionDenied, whatFailed);
}

// Sole owner of one file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) noexcept : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

// A temporary file created in a folder, deleted again unless Keep() is
// called once it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder, const std::string& target) {
        char name[MAX_PATH];
        if (GetTempFileNameA(folder.c_str(), "dtw", 0, name) == 0) {
            const DWORD error = GetLastError();
            Throw(error, "no temporary file for " + target + " could be created in " + folder);
        }
        path_ = name;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (path_.empty()) return;
        // The copy took the source's attributes; a read-only one would refuse
        // the delete.
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }
    const std::string& path() const noexcept { return path_; }
    void Keep() noexcept { path_.clear(); }

private:
    std::string path_;
};

// The folder part of a path: everything before its last "\", with a drive
// root's "\" kept; "." for a bare file name.
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    if (separator == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, separator);
}

}  // namespace

bool Win32FileServices::IsPresent(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void Win32FileServices::Copy(const std::string& from, const std::string& to) {
    const std::string replaceFailed = to + " could not be replaced with a copy of " + from;
    RefuseReadOnly(to, replaceFailed);
    TemporaryFile temporary(FolderOf(to), to);
    if (!CopyFileA(from.c_str(), temporary.path().c_str(), FALSE)) {
        const DWORD error = GetLastError();
        Throw(error, from + " could not be copied to " + to);
    }
    if (!MoveFileExA(temporary.path().c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        Throw(error, replaceFailed);
    }
    temporary.Keep();
}

void Win32FileServices::Delete(const std::string& path) {
    const std::string deleteFailed = path + " could not be deleted";
    RefuseReadOnly(path, deleteFailed);
    if (!DeleteFileA(path.c_str())) {
        const DWORD error = GetLastError();
        Throw(error, deleteFailed);
    }
}

std::string Win32FileServices::ReadAll(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        Throw(error, path + " could not be opened for reading");
    }
    std::string content;
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            const DWORD error = GetLastError();
            Throw(error, path + " could not be read");
        }
        if (read == 0) break;
        content.append(buffer, read);
    }
    return content;
}

void Win32FileServices::Append(const std::string& path, const std::string& bytes) {
    RefuseReadOnly(path, path + " could not be opened for writing");
    FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        Throw(error, path + " could not be opened for writing");
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            const DWORD error = GetLastError();
            Throw(error, path + " could not be written");
        }
        done += written;
    }
}

}  // namespace installer
