// The install and uninstall sequences and Cancel, from the first status text
// to the end of the program, over every registry backend.
#include "RegistryTest.h"
#include "ScriptedUserInterface.h"
#include "TestDisk.h"
#include "Transcript.h"
#include "core/Installer.h"
#include "core/JournalingEntry.h"

namespace installer::test {
namespace {

using hivewalk::kHKeyCurrentUser;
using Files = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

const std::string kRelease = "ACAD-5001:409";
const std::string kInstalledList = "acad.arx\r\nacadvba.arx\r\n";

class Sequences : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        disk_ = std::make_unique<TestDisk>();
    }
    void TearDown() override {
        disk_.reset();
        RegistryTest::TearDown();
    }

    // One run of the program with one command; returns its exit code.
    int Run(ScriptedUserInterface& ui, void (Installer::*command)(),
            NavigatorFactory factory = nullptr) {
        Installer installer(ui, disk_->Files(), factory ? factory : Factory(), kInstallerFolder);
        return RunToEnd(ui, [&] { (installer.*command)(); });
    }

    // AutoCAD R14 at the default place, with its registry entry.
    void InstallAutocad() {
        keys_->MakeAutocadR14(kRelease, {kRelease});
        disk_->Write(InAutocad("acad.exe"), "exe");
        disk_->Write(InAutocad("acad.rx"), "acad.arx\r\n");
    }
    StoredValues Entry() const { return keys_->ValuesOf(kHKeyCurrentUser, kEntryPath); }

    std::unique_ptr<TestDisk> disk_;
};

TEST_P(Sequences, AWholeInstallAtTheDefaultPlace) {
    InstallAutocad();
    disk_->Write(InAutocad("acad.dvb"), "old");
    ScriptedUserInterface ui;
    ui.Answer(kAnswerOk);
    EXPECT_EQ(Run(ui, &Installer::cmdInstall_Click), 0);
    EXPECT_EQ(ui.Transcript(),
              (Lines{"status: Installing Registry Settings", "status: Installing Acad.dvb File",
                     kOverwriteQuestion + "OK", "status: Installing Acad.rx File", kAddingLine,
                     kInstallCompleted, "end 0"}));
    EXPECT_EQ(ui.Status(), "Installing Acad.rx File");  // still behind the completion box
    EXPECT_EQ(Entry(), EntryValues());
    EXPECT_EQ(
        disk_->Contents(kAutocadFolder),
        (Files{{"acad.exe", "exe"}, {"acad.dvb", kShippedProject}, {"acad.rx", kInstalledList}}));
    EXPECT_EQ(navigatorsMade_, 1);
}

TEST_P(Sequences, AnInstallThatStopsKeepsTheJournalingEntryAndTouchesNoFile) {
    struct Case {
        const char* name;
        std::string curVer;  // "" for no R14.0 key
        bool autocadFiles;
        Lines transcript;
        int exit;
    };
    const Case cases[] = {
        {"no AutoCAD R14 key",
         "",
         true,
         {"status: Installing Registry Settings", RegistryErrorBox("Key/Value does not exist."),
          "end 1"},
         1},
        {"CurVer in lower case",
         "acad-5001:409",
         true,
         {"status: Installing Registry Settings", kNoConnection, "end 1"},
         1},
        {"giving up in the picker",
         kRelease,
         false,
         {"status: Installing Registry Settings", "status: Installing Acad.dvb File",
          kInstallNotFound, Picker("(cancelled)"), kNowCancelling, "end 2"},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hivewalk::test::DeleteTree(*backend_, kHKeyCurrentUser, kEntryPath);
        hivewalk::test::DeleteTree(*backend_, hivewalk::kHKeyLocalMachine, kR14Path);
        if (!c.curVer.empty()) keys_->MakeAutocadR14(c.curVer, {c.curVer});
        disk_->Remove(kAutocadFolder);
        disk_->MakeFolder(kAutocadFolder);
        if (c.autocadFiles) disk_->Write(InAutocad("acad.exe"), "exe");
        disk_->Write(InAutocad("acad.rx"), "acad.arx\r\n");
        const Files files = disk_->Contents(kAutocadFolder);

        ScriptedUserInterface ui;
        if (!c.autocadFiles) ui.Pick("");
        EXPECT_EQ(Run(ui, &Installer::cmdInstall_Click), c.exit);
        EXPECT_EQ(ui.Transcript(), c.transcript);
        EXPECT_EQ(Entry(), EntryValues());
        EXPECT_EQ(disk_->Contents(kAutocadFolder), files);
    }
}

TEST_P(Sequences, UninstallAnsweredNoChangesNothing) {
    WriteJournalingEntry(*NewNavigator());
    navigatorsMade_ = 0;
    disk_->Write(InAutocad("acad.dvb"), kShippedProject);
    ScriptedUserInterface ui;
    ui.Answer(kAnswerNo);
    EXPECT_EQ(Run(ui, &Installer::cmdUninstall_Click), kReturned);
    EXPECT_EQ(ui.Transcript(), Lines{kUninstallQuestion + "No"});
    EXPECT_EQ(ui.Status(), "(introduction)");
    EXPECT_EQ(Entry(), EntryValues());
    EXPECT_EQ(disk_->Contents(kAutocadFolder), (Files{{"acad.dvb", kShippedProject}}));
    EXPECT_EQ(navigatorsMade_, 0);
}

// Install, uninstall, and uninstall again at the default place.
TEST_P(Sequences, UninstallAfterAnInstallAndOnceMore) {
    struct Case {
        const char* name;
        Files added;  // to the AutoCAD folder after the install
        Files afterUninstall;
        Lines second;
        int secondExit;
    };
    const Lines removing{kUninstallQuestion + "Yes", "status: Removing Acad.dvb File"};
    const Case cases[] = {
        {"without 1acad.dvb the second finds nothing to remove",
         {},
         {{"acad.exe", "exe"}, {"acad.rx", kInstalledList}},
         {removing[0], removing[1], kUninstallNotFound, Picker("(cancelled)"), kNowCancelling,
          "end 2"},
         2},
        {"with 1acad.dvb put back, the second fails at the registry",
         {{"1acad.dvb", "one"}},
         {{"acad.exe", "exe"}, {"acad.rx", kInstalledList}, {"acad.dvb", "one"}},
         {removing[0], removing[1], "status: Removing Registry Entries",
          RegistryErrorBox("Key/Value does not exist."), "end 1"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        disk_->Remove(kAutocadFolder);
        hivewalk::test::DeleteTree(*backend_, hivewalk::kHKeyLocalMachine, kR14Path);
        InstallAutocad();
        ScriptedUserInterface install;
        ASSERT_EQ(Run(install, &Installer::cmdInstall_Click), 0);
        for (const auto& [name, content] : c.added) disk_->Write(InAutocad(name), content);

        ScriptedUserInterface first;
        first.Answer(kAnswerYes);
        EXPECT_EQ(Run(first, &Installer::cmdUninstall_Click), 0);
        EXPECT_EQ(first.Transcript(),
                  (Lines{removing[0], removing[1], "status: Removing Registry Entries",
                         kUninstalled, "end 0"}));
        EXPECT_EQ(disk_->Contents(kAutocadFolder), c.afterUninstall);
        EXPECT_FALSE(keys_->Exists(kHKeyCurrentUser, kEntryPath));
        EXPECT_EQ(OtherApplicationValues(), (StoredValues{{"Description", SzValue("Other")}}));

        ScriptedUserInterface second;
        second.Answer(kAnswerYes).Pick("");
        EXPECT_EQ(Run(second, &Installer::cmdUninstall_Click), c.secondExit);
        EXPECT_EQ(second.Transcript(), c.second);
        Files afterSecond = c.afterUninstall;
        afterSecond.erase("acad.dvb");
        EXPECT_EQ(disk_->Contents(kAutocadFolder), afterSecond);
    }
}

// The uninstall creates its navigator only at its first registry step: when
// that fails, the macro project has already gone and stays gone.
TEST_P(Sequences, UninstallReportsANavigatorThatCannotBeCreatedAfterRemovingTheProject) {
    disk_->Write(InAutocad("acad.dvb"), kShippedProject);
    const NavigatorFactory unregistered = []() -> std::unique_ptr<Navigator> {
        throw hivewalk::NavigatorError(-2147221164, "install", "Class not registered");
    };
    ScriptedUserInterface ui;
    ui.Answer(kAnswerYes);
    EXPECT_EQ(Run(ui, &Installer::cmdUninstall_Click, unregistered), 1);
    EXPECT_EQ(ui.Transcript(),
              (Lines{kUninstallQuestion + "Yes", "status: Removing Acad.dvb File",
                     "status: Removing Registry Entries",
                     "box install OK: Error -2147221164 (0x80040154)\r\n\r\nClass not registered",
                     "end 1"}));
    EXPECT_EQ(disk_->Contents(kAutocadFolder), Files{});
}

TEST_P(Sequences, CancelEndsAtOnceTouchingNothing) {
    InstallAutocad();
    const Files files = disk_->Contents(kAutocadFolder);
    ScriptedUserInterface ui;
    EXPECT_EQ(Run(ui, &Installer::cmdCancel_Click), 0);
    EXPECT_EQ(ui.Transcript(), Lines{"end 0"});
    EXPECT_EQ(disk_->Contents(kAutocadFolder), files);
    EXPECT_FALSE(keys_->Exists(kHKeyCurrentUser, kEntryPath));
    EXPECT_EQ(navigatorsMade_, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, Sequences, ::testing::ValuesIn(hivewalk::test::AllBackends()),
                         hivewalk::test::BackendName());

}  // namespace
}  // namespace installer::test
