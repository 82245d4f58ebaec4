// Cd and CurrentKey: where each path leads, which key ends up open, and what
// a failed move leaves behind.
#include "NavigatorFixture.h"

#include <string>
#include <vector>

namespace hivewalk::test {
namespace {

class Navigation : public NavigatorFixture {
protected:
    void SetUp() override {
        NavigatorFixture::SetUp();
        // Every fixture key holds a value "Marker" naming the key, so a test
        // can tell which key the navigator's handle is on.
        for (const char* key : {"Outlook", "Outlook\\Journaling", "Outlook\\Journaling\\AutoCAD",
                                "Shared Tools"}) {
            scratch_->SetString(key, "Marker", key);
        }
    }

    // What the navigator's handle is on: "none" for no handle, "root" for a
    // predefined root, else the key's marker.
    std::string Opened() {
        const HKey handle = Handle();
        if (handle == 0) return "none";
        if (handle >= kHKeyClassesRoot && handle <= kHKeyDynData) return "root";
        char marker[256] = {};
        std::uint32_t size = sizeof marker - 1;
        const long result = backend_->RegQueryValueExA(handle, "Marker", nullptr, nullptr,
                                                       reinterpret_cast<std::uint8_t*>(marker),
                                                       &size);
        return result == kErrorSuccess ? std::string(marker) : "error " + std::to_string(result);
    }

    // Replaces "$" with the scratch key as typed and "^" with it as reported.
    std::string Expand(std::string text, bool reported) const {
        for (auto at = text.find(reported ? '^' : '$'); at != std::string::npos;
             at = text.find(reported ? '^' : '$')) {
            text.replace(at, 1, reported ? Reported() : Typed());
        }
        return text;
    }
};

TEST_P(Navigation, PathsLeadWhereExpected) {
    const struct {
        const char* from;        // where the object stands first ("" = top level)
        const char* argument;
        const char* currentKey;  // CurrentKey afterwards
        const char* opened;      // what the handle is on afterwards
        const char* error;       // description of the error raised, if any
    } cases[] = {
        {"", "$\\Outlook\\Journaling\\", "^\\OUTLOOK\\JOURNALING", "Outlook\\Journaling", nullptr},
        {"$\\Outlook\\Journaling", "AutoCAD", "^\\OUTLOOK\\JOURNALING\\AUTOCAD",
         "Outlook\\Journaling\\AutoCAD", nullptr},
        {"$\\Outlook\\Journaling\\AutoCAD", "..", "^\\OUTLOOK\\JOURNALING", "Outlook\\Journaling",
         nullptr},
        {"$", "Outlook\\Journaling", "^\\OUTLOOK\\JOURNALING", "Outlook\\Journaling", nullptr},
        {"$\\Outlook", "\\$\\Shared Tools", "^\\SHARED TOOLS", "Shared Tools", nullptr},
        {"$\\Outlook", "\\", "", "none", nullptr},
        {"\\HKEY_LOCAL_MACHINE", "..", "", "none", nullptr},
        {"", "HKEY_USERS", "\\HKEY_USERS", "root", nullptr},
        {"", "hkey_Current_User\\software\\HIVEWALKTESTS\\navigator\\outlook", "^\\OUTLOOK",
         "Outlook", nullptr},
        {"", "  $\\Shared Tools  ", "^\\SHARED TOOLS", "Shared Tools", nullptr},
        {"$\\Outlook", "", "^\\OUTLOOK\\", "Outlook", nullptr},
        // Failures. After each the object holds no handle.
        {"", "..", "", "none", "No current Key."},
        {"$\\Outlook", "HKEY_LOCAL_MACHINE\\SOFTWARE", "^\\OUTLOOK\\HKEY_LOCAL_MACHINE\\SOFTWARE",
         "none", "Key/Value does not exist."},
        {"$\\Outlook", "\\HKEY_NOWHERE\\Software", "^\\OUTLOOK", "none", "Invalid Key root."},
        {"$\\Outlook", "..\\", "^\\OUTLOOK\\..", "none", "Key/Value does not exist."},
        {"$\\Outlook", "\\\\", "^\\OUTLOOK", "none", "Invalid Key root."},
        {"$\\Outlook", "\\$\\Missing", "^\\MISSING", "none", "Key/Value does not exist."},
        {"", "", "", "none", "Invalid Key root."},
        {"", "   ", "", "none", "Invalid Key root."},
    };
    for (const auto& c : cases) {
        const std::string argument = Expand(c.argument, false);
        SCOPED_TRACE("from \"" + Expand(c.from, false) + "\", Cd \"" + argument + "\"");
        nav_->Cd("\\");
        if (*c.from) nav_->Cd(Expand(c.from, false));
        if (c.error) {
            try {
                nav_->Cd(argument);
                ADD_FAILURE() << "no error";
            } catch (const NavigatorError& e) {
                EXPECT_EQ(e.Description, c.error);
            }
        } else {
            nav_->Cd(argument);
        }
        EXPECT_EQ(nav_->CurrentKey(), Expand(c.currentKey, true));
        EXPECT_EQ(Opened(), c.opened);
    }
}

TEST_P(Navigation, AMoveOpensTheKeyWithFullAccess) {
    nav_->Cd(Typed("Outlook"));
    const std::uint8_t data[] = {1};
    EXPECT_EQ(backend_->RegSetValueExA(Handle(), "written", 0, kRegBinary, data, 1), kErrorSuccess);
}

TEST_P(Navigation, ClassErrorsCarryTheirNumbersAndSource) {
    ExpectError([&] { nav_->Cd(".."); }, -2147221503, "Hivewalk", "No current Key.");
    ExpectError([&] { nav_->Cd("HKEY_SOMEWHERE"); }, -2147221502, "Hivewalk", "Invalid Key root.");
}

// A failed relative move must not leave the object writing through the key
// it was leaving while CurrentKey already names another.
TEST_P(Navigation, AFailedRelativeMoveHoldsNoHandle) {
    nav_->Cd(Typed("Outlook"));
    ExpectError([&] { nav_->Cd("Missing"); }, kRegistryError, kApiSource,
                "Key/Value does not exist.");
    EXPECT_EQ(nav_->CurrentKey(), Reported("Outlook") + "\\MISSING");
    EXPECT_EQ(Handle(), 0u);
    EXPECT_TRUE(tracked_->OpenHandles().empty()) << "the left key's handle is closed";
    ExpectError([&] { nav_->Cd("Journaling"); }, kRegistryError, kApiSource,
                "Undefined key error code!", "a relative move from nowhere");
}

TEST_P(Navigation, ParentOfAFailedMoveIsReachable) {
    nav_->Cd(Typed("Outlook"));
    EXPECT_THROW(nav_->Cd("Missing"), NavigatorError);
    nav_->Cd("..");
    EXPECT_EQ(nav_->CurrentKey(), Reported("Outlook"));
    EXPECT_EQ(Opened(), "Outlook");
}

TEST_P(Navigation, AFailedCloseChangesNothing) {
    nav_->Cd(Typed("Outlook"));
    for (const char* argument : {"\\", "\\HKEY_USERS"}) {
        SCOPED_TRACE(argument);
        tracked_->FailCall(Routine::RegCloseKey, 1, kErrorCantWrite);
        ExpectError([&] { nav_->Cd(argument); }, kRegistryError, kApiSource, "Cannot Write Key.");
        EXPECT_EQ(nav_->CurrentKey(), Reported("Outlook"));
        EXPECT_EQ(Opened(), "Outlook");
    }
    nav_->Cd("\\");
    EXPECT_EQ(Handle(), 0u);
}

TEST_P(Navigation, AFailedCloseDuringDestructionDoesNotEscape) {
    nav_->Cd(Typed("Outlook"));
    const HKey held = Handle();
    tracked_->FailCall(Routine::RegCloseKey, 1, kErrorInvalidHandle);
    nav_.reset();
    ASSERT_EQ(tracked_->OpenHandles(), std::vector<HKey>{held});
    tracked_->RegCloseKey(held);  // what the failed close left behind
}

INSTANTIATE_TEST_SUITE_P(Backends, Navigation, ::testing::ValuesIn(AllBackends()), BackendName());

}  // namespace
}  // namespace hivewalk::test
