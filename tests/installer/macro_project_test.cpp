// The macro project acad.dvb: installing it (overwrite or save the old one)
// and removing it (with the 1acad.dvb restore).
#include "ScriptedUserInterface.h"
#include "TestDisk.h"
#include "Transcript.h"
#include "core/MacroProject.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <map>
#include <optional>

namespace installer::test {
namespace {

using Files = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

const std::string kNew = kShippedProject;

TEST(MacroProject, InstallOverwritesOrSavesTheOldProject) {
    struct Case {
        const char* name;
        Files before;               // the AutoCAD folder
        std::optional<int> answer;  // to the overwrite question, if it is asked
        Files after;
    };
    const Case cases[] = {
        {"no project yet: no question",
         {{"acad.exe", "x"}},
         std::nullopt,
         {{"acad.exe", "x"}, {"acad.dvb", kNew}}},
        {"OK overwrites", {{"acad.dvb", "old"}}, kAnswerOk, {{"acad.dvb", kNew}}},
        {"Cancel saves it as oldacad.dvb",
         {{"acad.dvb", "old"}},
         kAnswerCancel,
         {{"acad.dvb", kNew}, {"oldacad.dvb", "old"}}},
        {"Cancel replaces an earlier oldacad.dvb",
         {{"acad.dvb", "old"}, {"oldacad.dvb", "older"}},
         kAnswerCancel,
         {{"acad.dvb", kNew}, {"oldacad.dvb", "old"}}},
        {"OK leaves an earlier oldacad.dvb alone",
         {{"acad.dvb", "old"}, {"oldacad.dvb", "older"}},
         kAnswerOk,
         {{"acad.dvb", kNew}, {"oldacad.dvb", "older"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        for (const auto& [name, content] : c.before) disk.Write(InAutocad(name), content);
        ScriptedUserInterface ui;
        Lines transcript;
        if (c.answer) {
            ui.Answer(*c.answer);
            transcript.push_back(kOverwriteQuestion + (*c.answer == kAnswerOk ? "OK" : "Cancel"));
        }
        EXPECT_EQ(RunToEnd(ui, [&] { InstallMacroProject(ui, disk.Files(), kInstallerFolder); }),
                  kReturned);
        EXPECT_EQ(ui.Transcript(), transcript);
        EXPECT_EQ(disk.Contents(kAutocadFolder), c.after);
    }
}

TEST(MacroProject, CancelOverTwoInstallsKeepsTheNewerPreviousProject) {
    TestDisk disk;
    disk.Write(InAutocad("acad.dvb"), "first");
    for (const char* shipped : {"second", "third"}) {
        disk.Write(InInstaller("acad.dvb"), shipped);
        ScriptedUserInterface ui;
        ui.Answer(kAnswerCancel);
        RunToEnd(ui, [&] { InstallMacroProject(ui, disk.Files(), kInstallerFolder); });
    }
    EXPECT_EQ(disk.Contents(kAutocadFolder),
              (Files{{"acad.dvb", "third"}, {"oldacad.dvb", "second"}}));
}

// The add-in's own acad.dvb is missing: whatever the answer, the error is
// reported and AutoCAD keeps a project.
TEST(MacroProject, AMissingShippedProjectLosesNothing) {
    struct Case {
        int answer;
        Files after;
    };
    const Case cases[] = {
        {kAnswerOk, {{"acad.dvb", "old"}}},
        {kAnswerCancel, {{"acad.dvb", "old"}, {"oldacad.dvb", "old"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == kAnswerOk ? "OK" : "Cancel");
        TestDisk disk;
        disk.Remove(InInstaller("acad.dvb"));
        disk.Write(InAutocad("acad.dvb"), "old");
        ScriptedUserInterface ui;
        ui.Answer(c.answer);
        EXPECT_EQ(RunToEnd(ui, [&] { InstallMacroProject(ui, disk.Files(), kInstallerFolder); }),
                  1);
        EXPECT_EQ(ui.Transcript(),
                  (Lines{kOverwriteQuestion + (c.answer == kAnswerOk ? "OK" : "Cancel"),
                         FileErrorBox(53, "File not found: " + InInstaller("acad.dvb") +
                                              " could not be copied to " + InAutocad("acad.dvb")),
                         "end 1"}));
        EXPECT_EQ(disk.Contents(kAutocadFolder), c.after);
    }
}

TEST(MacroProject, RemoveDeletesTheProjectAndPutsBack1acadDvb) {
    struct Case {
        const char* name;
        Files before;
        Files after;
    };
    const Case cases[] = {
        {"without 1acad.dvb, oldacad.dvb stays",
         {{"acad.dvb", kNew}, {"oldacad.dvb", "old"}},
         {{"oldacad.dvb", "old"}}},
        {"1acad.dvb comes back as acad.dvb",
         {{"acad.dvb", kNew}, {"1acad.dvb", "one"}, {"oldacad.dvb", "old"}},
         {{"acad.dvb", "one"}, {"oldacad.dvb", "old"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        for (const auto& [name, content] : c.before) disk.Write(InAutocad(name), content);
        ScriptedUserInterface ui;
        EXPECT_EQ(RunToEnd(ui, [&] { RemoveMacroProject(ui, disk.Files()); }), kReturned);
        EXPECT_TRUE(ui.Transcript().empty());
        EXPECT_EQ(disk.Contents(kAutocadFolder), c.after);
    }
}

TEST(MacroProject, RemovingAMissingProjectIsAFileErrorAndTouchesNothing) {
    TestDisk disk;
    disk.Write(InAutocad("1acad.dvb"), "one");
    ScriptedUserInterface ui;
    EXPECT_EQ(RunToEnd(ui, [&] { RemoveMacroProject(ui, disk.Files()); }), 1);
    EXPECT_EQ(ui.Transcript(), (Lines{FileErrorBox(53, "File not found: " + InAutocad("acad.dvb") +
                                                           " could not be deleted"),
                                      "end 1"}));
    EXPECT_EQ(disk.Contents(kAutocadFolder), (Files{{"1acad.dvb", "one"}}));
}

#ifdef _WIN32
// AutoCAD holds its project open, or the project is read-only: the step ends
// with the error and AutoCAD keeps its project.
TEST(MacroProject, AProjectInUseOrReadOnlyEndsWithAFileErrorAndLosesNothing) {
    struct Case {
        const char* name;
        bool locked;
        int answer;  // 0: uninstall instead
        std::string description;
        Files after;
    };
    const std::string replaced =
        InAutocad("acad.dvb") + " could not be replaced with a copy of " + InInstaller("acad.dvb");
    const Case cases[] = {
        {"read-only, OK", false, kAnswerOk, replaced, {{"acad.dvb", "old"}, {"1acad.dvb", "one"}}},
        {"read-only, Cancel saves a copy first",
         false,
         kAnswerCancel,
         replaced,
         {{"acad.dvb", "old"}, {"oldacad.dvb", "old"}, {"1acad.dvb", "one"}}},
        {"locked, OK", true, kAnswerOk, replaced, {{"acad.dvb", "old"}, {"1acad.dvb", "one"}}},
        {"locked, Cancel cannot even save it",
         true,
         kAnswerCancel,
         InAutocad("acad.dvb") + " could not be copied to " + InAutocad("oldacad.dvb"),
         {{"acad.dvb", "old"}, {"1acad.dvb", "one"}}},
        {"read-only, uninstall",
         false,
         0,
         InAutocad("acad.dvb") + " could not be deleted",
         {{"acad.dvb", "old"}, {"1acad.dvb", "one"}}},
        {"locked, uninstall",
         true,
         0,
         InAutocad("acad.dvb") + " could not be deleted",
         {{"acad.dvb", "old"}, {"1acad.dvb", "one"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDisk disk;
        disk.Write(InAutocad("acad.dvb"), "old");
        disk.Write(InAutocad("1acad.dvb"), "one");
        std::optional<FileLock> lock;
        if (c.locked) {
            lock.emplace(InAutocad("acad.dvb"));
        } else {
            disk.SetAttributes(InAutocad("acad.dvb"), FILE_ATTRIBUTE_READONLY);
        }
        ScriptedUserInterface ui;
        Lines transcript;
        if (c.answer) {
            ui.Answer(c.answer);
            transcript.push_back(kOverwriteQuestion + (c.answer == kAnswerOk ? "OK" : "Cancel"));
            EXPECT_EQ(
                RunToEnd(ui, [&] { InstallMacroProject(ui, disk.Files(), kInstallerFolder); }), 1);
        } else {
            EXPECT_EQ(RunToEnd(ui, [&] { RemoveMacroProject(ui, disk.Files()); }), 1);
        }
        transcript.push_back(FileErrorBox(70, "Permission denied: " + c.description));
        transcript.push_back("end 1");
        EXPECT_EQ(ui.Transcript(), transcript);
        lock.reset();
        EXPECT_EQ(disk.Contents(kAutocadFolder), c.after);
    }
}
#endif

}  // namespace
}  // namespace installer::test
