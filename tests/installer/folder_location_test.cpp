// Locating the AutoCAD folder: the fixed probe, the messages and the picker.
#include "ScriptedUserInterface.h"
#include "TestDisk.h"
#include "Transcript.h"
#include "core/FolderLocation.h"

#include <gtest/gtest.h>

namespace installer::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kElsewhere = std::string(kTestsRoot) + "\\Elsewhere";
const std::string kNoMarker = std::string(kTestsRoot) + "\\Without Marker";

TEST(FolderLocation, ProbePickerAndGivingUp) {
    struct Case {
        const char* name;
        FolderVariant variant;
        Lines files;    // created with some content
        Lines folders;  // created empty
        Lines picks;    // what the pickers return, in order
        Lines transcript;
        std::string folder;  // AutocadFolder afterwards
        int exit;
    };
    const Case cases[] = {
        {"install: AutoCAD at the default place (probed in lower case)",
         FolderVariant::Install,
         {InAutocad("acad.exe")},
         {},
         {},
         {},
         kAutocadFolder,
         kReturned},
        {"uninstall: the add-in at the default place",
         FolderVariant::Uninstall,
         {InAutocad("acad.dvb")},
         {},
         {},
         {},
         kAutocadFolder,
         kReturned},
        {"install: a picked folder with acad.exe",
         FolderVariant::Install,
         {kElsewhere + "\\acad.exe"},
         {},
         {kElsewhere},
         {kInstallNotFound, Picker(kElsewhere), "folder: " + kElsewhere},
         kElsewhere,
         kReturned},
        {"install: a folder with acad.dvb but no acad.exe reopens the picker",
         FolderVariant::Install,
         {InAutocad("acad.dvb"), kNoMarker + "\\acad.dvb", kElsewhere + "\\acad.exe"},
         {},
         {kNoMarker, kElsewhere},
         {kInstallNotFound, Picker(kNoMarker), Picker(kElsewhere), "folder: " + kElsewhere},
         kElsewhere,
         kReturned},
        {"uninstall: a folder without acad.dvb reopens the picker",
         FolderVariant::Uninstall,
         {InAutocad("acad.exe"), kNoMarker + "\\acad.exe", kElsewhere + "\\acad.dvb"},
         {},
         {kNoMarker, kElsewhere},
         {kUninstallNotFound, Picker(kNoMarker), Picker(kElsewhere), "folder: " + kElsewhere},
         kElsewhere,
         kReturned},
        {"install: a folder named acad.exe is not the file",
         FolderVariant::Install,
         {},
         {InAutocad("acad.exe")},
         {""},
         {kInstallNotFound, Picker("(cancelled)"), kNowCancelling, "end 2"},
         kAutocadFolder,
         2},
        {"uninstall: cancelling the first picker",
         FolderVariant::Uninstall,
         {},
         {},
         {""},
         {kUninstallNotFound, Picker("(cancelled)"), kNowCancelling, "end 2"},
         kAutocadFolder,
         2},
        {"install: cancelling after a refused folder",
         FolderVariant::Install,
         {},
         {kNoMarker},
         {kNoMarker, ""},
         {kInstallNotFound, Picker(kNoMarker), Picker("(cancelled)"), kNowCancelling, "end 2"},
         kAutocadFolder,
         2},
        {"install: a drive root keeps its one separator",
         FolderVariant::Install,
         {kDriveRootMarker},
         {},
         {"C:\\"},
         {kInstallNotFound, Picker("C:\\"), "folder: C:\\"},
         "C:\\",
         kReturned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        for (const std::string& file : c.files) disk.Write(file, "x");
        for (const std::string& folder : c.folders) disk.MakeFolder(folder);
        ScriptedUserInterface ui;
        for (const std::string& pick : c.picks) ui.Pick(pick);

        EXPECT_EQ(RunToEnd(ui, [&] { LocateAutocadFolder(ui, disk.Files(), c.variant); }), c.exit);
        EXPECT_EQ(ui.Transcript(), c.transcript);
        EXPECT_EQ(ui.AutocadFolder(), c.folder);
        EXPECT_EQ(ui.UnusedReplies(), 0u);
    }
}

}  // namespace
}  // namespace installer::test
