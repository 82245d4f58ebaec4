#include "TestDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include "win32/Win32FileServices.h"
#include <windows.h>
#else
#include "MappedFileServices.h"
#include <unistd.h>
#endif

namespace installer::test {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsOwned(const std::string& path) {
    const std::string lower = Lower(path);
    for (const std::string place : {kAutocadFolder, kTestsRoot}) {
        const std::string owned = Lower(place);
        if (lower == owned || lower.rfind(owned + "\\", 0) == 0) return true;
    }
    return lower == Lower(kDriveRootMarker);
}

#ifdef _WIN32
// Clears read-only and other attributes below a place so it can be removed.
void MakeRemovable(const fs::path& place) {
    std::error_code error;
    SetFileAttributesA(place.string().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!fs::is_directory(place, error)) return;
    for (const auto& entry : fs::recursive_directory_iterator(place, error))
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

}  // namespace

std::string InAutocad(const std::string& name) {
    return std::string(kAutocadFolder) + "\\" + name;
}
std::string InInstaller(const std::string& name) {
    return std::string(kInstallerFolder) + "\\" + name;
}

TestDisk::TestDisk() {
#ifdef _WIN32
    files_ = std::make_unique<Win32FileServices>();
#else
    static std::atomic<int> counter{0};
    root_ = fs::temp_directory_path() /
            ("installer-tests-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(root_);
    fs::create_directories(root_);
    files_ = std::make_unique<MappedFileServices>(root_);
#endif
    RemoveOwnedPlaces();
    MakeFolder(kAutocadFolder);
    Write(InInstaller("acad.dvb"), kShippedProject);
    Write(InInstaller("acad.rx"), kShippedStartupList);
}

TestDisk::~TestDisk() {
    RemoveOwnedPlaces();
#ifndef _WIN32
    std::error_code error;
    fs::remove_all(root_, error);
#endif
}

void TestDisk::RemoveOwnedPlaces() {
    for (const char* place : {kAutocadFolder, kTestsRoot, kDriveRootMarker}) {
        const fs::path host = Host(place);
#ifdef _WIN32
        MakeRemovable(host);
#endif
        std::error_code error;
        fs::remove_all(host, error);
        EXPECT_FALSE(error) << "removing " << place << ": " << error.message();
    }
}

fs::path TestDisk::Host(const std::string& path) const {
#ifdef _WIN32
    return fs::path(path);
#else
    const std::optional<fs::path> mapped = static_cast<MappedFileServices&>(*files_).Map(path);
    EXPECT_TRUE(mapped) << "not a test path: " << path;
    return mapped.value_or(root_ / "unmapped");
#endif
}

void TestDisk::Write(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(IsOwned(path)) << "the test may not write " << path;
    const fs::path host = Host(path);
    fs::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.flush()) << "writing " << path;
}

void TestDisk::MakeFolder(const std::string& path) {
    ASSERT_TRUE(IsOwned(path)) << "the test may not make " << path;
    fs::create_directories(Host(path));
}

void TestDisk::Remove(const std::string& path) {
    ASSERT_TRUE(IsOwned(path)) << "the test may not remove " << path;
    std::error_code error;
    fs::remove_all(Host(path), error);
}

std::optional<std::string> TestDisk::Read(const std::string& path) const {
    const fs::path host = Host(path);
    std::error_code error;
    if (!fs::is_regular_file(host, error)) return std::nullopt;
    std::ifstream in(host, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TestDisk::Names(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(Host(folder), error))
        names.push_back(Lower(entry.path().filename().string()));
    std::sort(names.begin(), names.end());
    return names;
}

#ifdef _WIN32
void TestDisk::SetAttributes(const std::string& path, unsigned long attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes))
        << "setting the attributes of " << path;
}

FileLock::FileLock(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "locking " << path;
}

FileLock::~FileLock() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}
#endif

std::map<std::string, std::string> TestDisk::Contents(const std::string& folder) const {
    std::map<std::string, std::string> contents;
    for (const std::string& name : Names(folder))
        contents[name] = Read(folder + "\\" + name).value_or("(not a file)");
    return contents;
}

}  // namespace installer::test
