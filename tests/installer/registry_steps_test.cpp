// The journaling entry and the AutoCAD check, over every registry backend.
#include "RegistryTest.h"
#include "ScriptedUserInterface.h"
#include "Transcript.h"
#include "core/AutocadCheck.h"
#include "core/JournalingEntry.h"

#include <optional>

namespace installer::test {
namespace {

using hivewalk::kHKeyCurrentUser;
using Lines = std::vector<std::string>;

const std::string kJournalingCd =
    "Cd \"HKEY_CURRENT_USER\\Software\\Microsoft\\Shared Tools\\Outlook\\Journaling\\\"";

class JournalingEntry : public RegistryTest {};

TEST_P(JournalingEntry, WritingTwiceLeavesOneEntryWithTheFiveValues) {
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        calls_.clear();
        const auto navigator = NewNavigator();
        WriteJournalingEntry(*navigator);
        EXPECT_EQ(calls_, (Lines{kJournalingCd, "MakeKey \"AutoCAD\"", "Cd \"AutoCAD\"",
                                 "ValueOf let \"Description\" 0 String \"AutoCAD\"",
                                 "ValueOf let \"Enabled\" 2 Double 1",
                                 "ValueOf let \"AutoJournaled\" 2 Double 1",
                                 "ValueOf let \"Large Icon\" 0 String \"1\"",
                                 "ValueOf let \"Small Icon\" 0 String \"1\"", "Cd \"\\\""}));
        EXPECT_EQ(navigator->CurrentKey(), "");
        EXPECT_EQ(keys_->ValuesOf(kHKeyCurrentUser, kEntryPath), EntryValues());
        EXPECT_TRUE(keys_->SubKeysOf(kHKeyCurrentUser, kEntryPath).empty());
    }
    EXPECT_EQ(OtherApplicationValues(), (StoredValues{{"Description", SzValue("Other")}}));
}

TEST_P(JournalingEntry, WithoutOutlooksKeyNeitherWritingNorDeletingCreatesIt) {
    if (!keys_->RemoveJournalingKey()) GTEST_SKIP() << "the Journaling key belongs to this machine";
    for (auto step : {&WriteJournalingEntry, &DeleteJournalingEntry}) {
        calls_.clear();
        ScriptedUserInterface ui;
        const auto navigator = NewNavigator();
        EXPECT_EQ(RunToEnd(ui, [&] { step(*navigator); }), 1);
        EXPECT_EQ(ui.Transcript(), (Lines{RegistryErrorBox("Key/Value does not exist."), "end 1"}));
        EXPECT_EQ(calls_, (Lines{kJournalingCd, "  failed: Key/Value does not exist."}));
        EXPECT_FALSE(keys_->Exists(kHKeyCurrentUser, kJournalingPath));
    }
}

TEST_P(JournalingEntry, DeletingRemovesOnlyAutocadsKey) {
    WriteJournalingEntry(*NewNavigator());
    calls_.clear();
    DeleteJournalingEntry(*NewNavigator());
    EXPECT_EQ(calls_, (Lines{kJournalingCd, "Cd \"AutoCAD\"", "DeleteValue \"Description\"",
                             "DeleteValue \"Enabled\"", "DeleteValue \"AutoJournaled\"",
                             "DeleteValue \"Large Icon\"", "DeleteValue \"Small Icon\"",
                             "Cd \"..\"", "DeleteKey \"AutoCAD\""}));
    EXPECT_FALSE(keys_->Exists(kHKeyCurrentUser, kEntryPath));
    EXPECT_TRUE(keys_->Exists(kHKeyCurrentUser, kJournalingPath));
    EXPECT_EQ(OtherApplicationValues(), (StoredValues{{"Description", SzValue("Other")}}));
}

TEST_P(JournalingEntry, DeletingStopsAtTheFirstMissingPieceKeepingWhatWentBefore) {
    struct Case {
        const char* name;
        bool entryKey;
        StoredValues before;
        std::string lastCall;
        StoredValues after;
    };
    const Case cases[] = {
        {"a second uninstall: the key is gone", false, {}, "Cd \"AutoCAD\"", {}},
        {"no Description",
         true,
         {{"Enabled", DwordValue(1)}},
         "DeleteValue \"Description\"",
         {{"Enabled", DwordValue(1)}}},
        {"no AutoJournaled: two values go first",
         true,
         {{"Description", SzValue("AutoCAD")},
          {"Enabled", DwordValue(1)},
          {"Large Icon", SzValue("1")},
          {"Small Icon", SzValue("1")}},
         "DeleteValue \"AutoJournaled\"",
         {{"Large Icon", SzValue("1")}, {"Small Icon", SzValue("1")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.entryKey) keys_->MakeKey(kHKeyCurrentUser, kEntryPath);
        for (const auto& [name, value] : c.before)
            keys_->SetValue(kHKeyCurrentUser, kEntryPath, name, value);
        calls_.clear();
        ScriptedUserInterface ui;
        const auto navigator = NewNavigator();
        EXPECT_EQ(RunToEnd(ui, [&] { DeleteJournalingEntry(*navigator); }), 1);
        EXPECT_EQ(ui.Transcript(), (Lines{RegistryErrorBox("Key/Value does not exist."), "end 1"}));
        ASSERT_GE(calls_.size(), 2u);
        EXPECT_EQ(calls_[calls_.size() - 2], c.lastCall);
        EXPECT_EQ(calls_.back(), "  failed: Key/Value does not exist.");
        EXPECT_EQ(keys_->Exists(kHKeyCurrentUser, kEntryPath), c.entryKey);
        EXPECT_EQ(keys_->ValuesOf(kHKeyCurrentUser, kEntryPath), c.after);
        hivewalk::test::DeleteTree(*backend_, kHKeyCurrentUser, kEntryPath);
    }
}

class AutocadCheck : public RegistryTest {};

TEST_P(AutocadCheck, CurVerMustNameAnAcadRelease) {
    struct Case {
        const char* name;
        bool r14;
        std::optional<std::string> curVer;
        Lines releases;
        Lines transcript;
        int exit;
        std::string currentKey;  // where the navigator stands afterwards; "" to leave unchecked
    };
    const std::string r14 = "\\HKEY_LOCAL_MACHINE\\SOFTWARE\\AUTODESK\\AUTOCAD\\R14.0";
    const Lines noConnection{kNoConnection, "end 1"};
    const Lines missing{RegistryErrorBox("Key/Value does not exist."), "end 1"};
    const Case cases[] = {
        {"CurVer names an existing ACAD release",
         true,
         "ACAD-5001:409",
         {"ACAD-5001:409"},
         {},
         kReturned,
         r14 + "\\ACAD-5001:409"},
        {"lower-case acad fails after the move into it",
         true,
         "acad-5001:409",
         {"acad-5001:409"},
         noConnection,
         1,
         r14 + "\\ACAD-5001:409"},
        {"no CurVer, only a value named curver",
         true,
         std::nullopt,
         {"ACAD-5001:409"},
         noConnection,
         1,
         r14},
        {"R14.0 without values", true, std::nullopt, {}, noConnection, 1, r14},
        {"CurVer names a missing sub-key", true, "ACAD-5001:409", {}, missing, 1, ""},
        {"no R14.0 key", false, std::nullopt, {}, missing, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hivewalk::test::DeleteTree(*backend_, hivewalk::kHKeyLocalMachine, kR14Path);
        if (c.r14) keys_->MakeAutocadR14(c.curVer, c.releases);
        if (c.r14 && !c.curVer && !c.releases.empty())
            keys_->SetValue(hivewalk::kHKeyLocalMachine, kR14Path, "curver",
                            SzValue(c.releases[0]));
        ScriptedUserInterface ui;
        const auto navigator = NewNavigator();
        EXPECT_EQ(RunToEnd(ui, [&] { CheckAutocadEntry(*navigator, ui); }), c.exit);
        EXPECT_EQ(ui.Transcript(), c.transcript);
        if (!c.currentKey.empty()) {
            EXPECT_EQ(navigator->CurrentKey(), c.currentKey);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, JournalingEntry,
                         ::testing::ValuesIn(hivewalk::test::AllBackends()),
                         hivewalk::test::BackendName());
INSTANTIATE_TEST_SUITE_P(Backends, AutocadCheck, ::testing::ValuesIn(hivewalk::test::AllBackends()),
                         hivewalk::test::BackendName());

}  // namespace
}  // namespace installer::test
