// The plain file services the installer runs on: natively the mapped test
// implementation, under Wine Win32FileServices on the prefix's C: drive.
#include "TestDisk.h"
#include "core/FileServices.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace installer::test {
namespace {

using Files = std::map<std::string, std::string>;

const std::string kTarget = InAutocad("acad.dvb");
const std::string kMissing = InInstaller("missing.dvb");

// Expects `call` to fail with exactly this FileError.
void ExpectFileError(const std::function<void()>& call, std::int32_t number,
                     const std::string& description) {
    try {
        call();
        ADD_FAILURE() << "no error; expected " << description;
    } catch (const FileError& e) {
        EXPECT_EQ(e.Number, number);
        EXPECT_EQ(e.Description, description);
    }
}

TEST(FileServices, PresentMeansAPlainFile) {
    TestDisk disk;
    disk.Write(InAutocad("acad.exe"), "x");
    disk.MakeFolder(InAutocad("folder.exe"));
    FileServices& files = disk.Files();
    EXPECT_TRUE(files.IsPresent(InAutocad("acad.exe")));
    EXPECT_TRUE(files.IsPresent("c:\\program files\\autocad r14\\ACAD.EXE"))
        << "case does not count";
    EXPECT_FALSE(files.IsPresent(InAutocad("folder.exe")));
    EXPECT_FALSE(files.IsPresent(InAutocad("missing.exe")));
}

TEST(FileServices, CopyReplacesTheTargetAndLeavesNothingElse) {
    TestDisk disk;
    disk.Write(kTarget, "old");
    const std::string bytes("binary\0\r\n\x1a\xff end", 16);
    disk.Write(InInstaller("acad.dvb"), bytes);
    disk.Files().Copy(InInstaller("acad.dvb"), kTarget);
    EXPECT_EQ(disk.Contents(kAutocadFolder), (Files{{"acad.dvb", bytes}}));
    disk.Files().Copy(InInstaller("acad.rx"), InAutocad("new.rx"));
    EXPECT_EQ(disk.Read(InAutocad("new.rx")), kShippedStartupList);
}

TEST(FileServices, ReadAllAndAppendKeepEveryByte) {
    TestDisk disk;
    const std::string start("a\r\nb\0c", 6);
    disk.Write(InAutocad("acad.rx"), start);
    disk.Files().Append(InAutocad("acad.rx"), std::string("\r\nd\0", 4));
    EXPECT_EQ(disk.Files().ReadAll(InAutocad("acad.rx")), start + std::string("\r\nd\0", 4));
}

TEST(FileServices, AMissingFileIsFileNotFoundAndChangesNothing) {
    TestDisk disk;
    disk.Write(kTarget, "old");
    FileServices& files = disk.Files();
    ExpectFileError([&] { files.Copy(kMissing, kTarget); }, 53,
                    "File not found: " + kMissing + " could not be copied to " + kTarget);
    ExpectFileError([&] { files.Delete(InAutocad("1acad.dvb")); }, 53,
                    "File not found: " + InAutocad("1acad.dvb") + " could not be deleted");
    ExpectFileError([&] { files.ReadAll(InAutocad("acad.rx")); }, 53,
                    "File not found: " + InAutocad("acad.rx") + " could not be opened for reading");
    ExpectFileError([&] { files.Append(InAutocad("acad.rx"), "x"); }, 53,
                    "File not found: " + InAutocad("acad.rx") + " could not be opened for writing");
    EXPECT_EQ(disk.Contents(kAutocadFolder), (Files{{"acad.dvb", "old"}}));
}

#ifdef _WIN32
TEST(FileServices, HiddenAndSystemFilesAreNotPresentReadOnlyOnesAre) {
    struct Case {
        const char* name;
        DWORD attributes;
        bool present;
    };
    const Case cases[] = {
        {"hidden", FILE_ATTRIBUTE_HIDDEN, false},
        {"system", FILE_ATTRIBUTE_SYSTEM, false},
        {"read-only", FILE_ATTRIBUTE_READONLY, true},
        {"archive", FILE_ATTRIBUTE_ARCHIVE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        disk.Write(InAutocad("acad.exe"), "x");
        disk.SetAttributes(InAutocad("acad.exe"), c.attributes);
        EXPECT_EQ(disk.Files().IsPresent(InAutocad("acad.exe")), c.present);
    }
}

// A read-only target, and a target another program holds open without
// sharing: every change fails with "Permission denied" and the file, its
// folder and its attributes stay as they were.
TEST(FileServices, AReadOnlyOrLockedTargetIsPermissionDeniedAndLosesNothing) {
    struct Case {
        const char* name;
        std::function<void(FileServices&)> call;
        std::string description;
    };
    const std::string source = InInstaller("acad.dvb");
    const Case cases[] = {
        {"replace", [&](FileServices& files) { files.Copy(source, kTarget); },
         kTarget + " could not be replaced with a copy of " + source},
        {"delete", [&](FileServices& files) { files.Delete(kTarget); },
         kTarget + " could not be deleted"},
        {"append", [&](FileServices& files) { files.Append(kTarget, "x"); },
         kTarget + " could not be opened for writing"},
    };
    for (const bool locked : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(locked ? "locked: " : "read-only: ") + c.name);
            TestDisk disk;
            disk.Write(kTarget, "old");
            std::optional<FileLock> lock;
            if (locked) {
                lock.emplace(kTarget);
            } else {
                disk.SetAttributes(kTarget, FILE_ATTRIBUTE_READONLY);
            }
            ExpectFileError([&] { c.call(disk.Files()); }, 70,
                            "Permission denied: " + c.description);
            lock.reset();
            EXPECT_EQ(disk.Contents(kAutocadFolder), (Files{{"acad.dvb", "old"}}));
            EXPECT_EQ(GetFileAttributesA(kTarget.c_str()) & FILE_ATTRIBUTE_READONLY,
                      locked ? 0u : FILE_ATTRIBUTE_READONLY);
        }
    }
}

TEST(FileServices, ALockedSourceCannotBeCopiedOrRead) {
    TestDisk disk;
    disk.Write(kTarget, "old");
    FileLock lock(kTarget);
    const std::string saved = InAutocad("oldacad.dvb");
    ExpectFileError([&] { disk.Files().Copy(kTarget, saved); }, 70,
                    "Permission denied: " + kTarget + " could not be copied to " + saved);
    ExpectFileError([&] { disk.Files().ReadAll(kTarget); }, 70,
                    "Permission denied: " + kTarget + " could not be opened for reading");
    EXPECT_EQ(disk.Names(kAutocadFolder), std::vector<std::string>{"acad.dvb"});
}
#endif

}  // namespace
}  // namespace installer::test
