// acad.rx: reading its items, and making it load acadvba.arx.
#include "ScriptedUserInterface.h"
#include "TestDisk.h"
#include "Transcript.h"
#include "core/StartupList.h"
#include "core/StartupListItems.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>

namespace installer::test {
namespace {

using Lines = std::vector<std::string>;

TEST(StartupListItems, CommasAndLineEndsSeparateQuotesAndBlanksDoNotCount) {
    struct Case {
        const char* text;
        Lines items;
    };
    const Case cases[] = {
        {"", {}},
        {"acad.arx\r\nacadvba.arx\r\n", {"acad.arx", "acadvba.arx"}},
        {"acad.arx\r\nlast", {"acad.arx", "last"}},
        {"lone\nline\rends", {"lone", "line", "ends"}},
        {"\r\n\r\nafter empty lines\r\n\r\n", {"after empty lines"}},
        {"acadvba.arx, something\r\n", {"acadvba.arx", "something"}},
        {"  acadvba.arx \t\r\n", {"acadvba.arx"}},
        {"\"acadvba.arx\"\r\n", {"acadvba.arx"}},
        {"\" quoted, kept \",next", {" quoted, kept ", "next"}},
        {"\"closed\" dropped,next", {"closed", "next"}},
        {"\"unclosed\r\nnext line", {"unclosed", "next line"}},
        {"a,,b", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(ReadStartupListItems(c.text), c.items);
    }
}

TEST(StartupList, AnExistingListGainsTheLineOnlyWhenNoItemIsExactlyAcadvbaArx) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"already listed: byte for byte unchanged", "acad.arx\r\nacadvba.arx\r\nrest.arx",
         "acad.arx\r\nacadvba.arx\r\nrest.arx"},
        {"found as the first item of a line", "acadvba.arx, something\r\n",
         "acadvba.arx, something\r\n"},
        {"found in quotes", "\"acadvba.arx\"\r\n", "\"acadvba.arx\"\r\n"},
        {"found between blanks", "  acadvba.arx  \r\n", "  acadvba.arx  \r\n"},
        {"upper case does not count", "ACADVBA.ARX\r\n", "ACADVBA.ARX\r\nacadvba.arx\r\n"},
        {"an empty list", "", "acadvba.arx\r\n"},
        {"a last line without its break gets one first", "acad.arx", "acad.arx\r\nacadvba.arx\r\n"},
        {"a lone LF is a line break", "acad.arx\n", "acad.arx\nacadvba.arx\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        disk.Write(InAutocad("acad.rx"), c.before);
        ScriptedUserInterface ui;
        EXPECT_EQ(RunToEnd(ui, [&] { MakeStartupListLoadVba(ui, disk.Files(), kInstallerFolder); }),
                  kReturned);
        EXPECT_EQ(ui.Transcript(), Lines{kAddingLine});
        EXPECT_EQ(disk.Read(InAutocad("acad.rx")), c.after);
        EXPECT_EQ(disk.Names(kAutocadFolder), Lines{"acad.rx"});
    }
}

TEST(StartupList, WithoutAListTheShippedOneIsCopied) {
    TestDisk disk;
    ScriptedUserInterface ui;
    EXPECT_EQ(RunToEnd(ui, [&] { MakeStartupListLoadVba(ui, disk.Files(), kInstallerFolder); }),
              kReturned);
    EXPECT_EQ(ui.Transcript(), Lines{kCreatingList});
    EXPECT_EQ(disk.Read(InAutocad("acad.rx")), kShippedStartupList);
}

TEST(StartupList, AMissingShippedListEndsWithAFileErrorAndLeavesNoFile) {
    TestDisk disk;
    disk.Remove(InInstaller("acad.rx"));
    ScriptedUserInterface ui;
    EXPECT_EQ(RunToEnd(ui, [&] { MakeStartupListLoadVba(ui, disk.Files(), kInstallerFolder); }), 1);
    EXPECT_EQ(ui.Transcript(),
              (Lines{kCreatingList,
                     FileErrorBox(53, "File not found: " + InInstaller("acad.rx") +
                                          " could not be copied to " + InAutocad("acad.rx")),
                     "end 1"}));
    EXPECT_EQ(disk.Names(kAutocadFolder), Lines{});
}

#ifdef _WIN32
TEST(StartupList, AListInUseOrReadOnlyEndsWithAFileErrorAndStaysAsItWas) {
    struct Case {
        const char* name;
        bool locked;
        std::string description;
    };
    const Case cases[] = {
        {"locked: it cannot be read", true,
         InAutocad("acad.rx") + " could not be opened for reading"},
        {"read-only: it cannot be extended", false,
         InAutocad("acad.rx") + " could not be opened for writing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        disk.Write(InAutocad("acad.rx"), "acad.arx\r\n");
        std::optional<FileLock> lock;
        if (c.locked) {
            lock.emplace(InAutocad("acad.rx"));
        } else {
            disk.SetAttributes(InAutocad("acad.rx"), FILE_ATTRIBUTE_READONLY);
        }
        ScriptedUserInterface ui;
        EXPECT_EQ(RunToEnd(ui, [&] { MakeStartupListLoadVba(ui, disk.Files(), kInstallerFolder); }),
                  1);
        EXPECT_EQ(
            ui.Transcript(),
            (Lines{kAddingLine, FileErrorBox(70, "Permission denied: " + c.description), "end 1"}));
        lock.reset();
        EXPECT_EQ(disk.Contents(kAutocadFolder),
                  (std::map<std::string, std::string>{{"acad.rx", "acad.arx\r\n"}}));
    }
}
#endif

}  // namespace
}  // namespace installer::test
