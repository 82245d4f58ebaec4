// TestDisk: the disk a file test works on, named by Windows paths.
//
// Natively a fresh temporary folder stands for the drives, seen through
// MappedFileServices. In the Win32 build (under Wine) it is the real C: drive
// of the test prefix, seen through Win32FileServices. The disk owns a few
// fixed places, which it removes when it starts (leftovers of a crashed run)
// and when it ends: the default AutoCAD folder, the folder kTestsRoot that
// holds the installer folder and any other folder a test picks, and
// C:\acad.exe for the drive-root case. A test may write only there.
#pragma once

#include "core/FileServices.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace installer::test {

inline constexpr const char* kAutocadFolder = "C:\\Program Files\\Autocad R14";
inline constexpr const char* kTestsRoot = "C:\\Drawtrail Tests";
inline constexpr const char* kInstallerFolder = "C:\\Drawtrail Tests\\Setup";
inline constexpr const char* kDriveRootMarker = "C:\\acad.exe";

// A path in the default AutoCAD folder or the installer folder.
std::string InAutocad(const std::string& name);
std::string InInstaller(const std::string& name);

class TestDisk {
public:
    // Creates the default AutoCAD folder (empty) and the installer folder
    // (with the add-in's acad.dvb and acad.rx, see kShipped*).
    TestDisk();
    ~TestDisk();
    TestDisk(const TestDisk&) = delete;
    TestDisk& operator=(const TestDisk&) = delete;

    FileServices& Files() { return *files_; }

    // Writes a file, creating its folders.
    void Write(const std::string& path, const std::string& bytes);
    void MakeFolder(const std::string& path);
    void Remove(const std::string& path);
    // The content of a file; nothing if there is no such file.
    std::optional<std::string> Read(const std::string& path) const;
    // The names in a folder, lower case and sorted.
    std::vector<std::string> Names(const std::string& folder) const;
    // The files of a folder by lower-case name, with their content.
    std::map<std::string, std::string> Contents(const std::string& folder) const;

    std::filesystem::path Host(const std::string& path) const;

#ifdef _WIN32
    // Sets a file's attributes (FILE_ATTRIBUTE_...); the disk clears them
    // again before it removes its places.
    void SetAttributes(const std::string& path, unsigned long attributes);
#endif

private:
    void RemoveOwnedPlaces();

    std::filesystem::path root_;  // natively: where the drives are mapped
    std::unique_ptr<FileServices> files_;
};

#ifdef _WIN32
// Holds a file open without sharing for as long as it lives, as a program
// that has the file in use.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    void* handle_;
};
#endif

// The add-in's files as the installer folder holds them.
inline constexpr const char* kShippedProject = "new project\r\n";
inline constexpr const char* kShippedStartupList = "acadvba.arx\r\n";

}  // namespace installer::test
