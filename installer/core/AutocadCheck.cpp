#include "AutocadCheck.h"

#include <string>

namespace installer {
namespace {

constexpr const char* kAutocadR14Key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R14.0";
constexpr const char* kCurrentVersion = "CurVer";
constexpr const char* kReleasePrefix = "ACAD";
constexpr const char* kNoConnection = "Could not connect to registry";

}  // namespace

void CheckAutocadEntry(Navigator& navigator, UserInterface& ui) {
    using hivewalk::StringArray;

    navigator.Cd(kAutocadR14Key);
    const hivewalk::Variant listing = navigator.DirValue();

    // The release named by "CurVer" (exact case), found by going through the
    // rows of the value table; the move into it happens before its name is
    // judged.
    bool found = false;
    std::string release;
    if (const StringArray* table = listing.As<StringArray>()) {
        const std::int32_t first = table->LBound(2).value_or(0);
        const std::int32_t last = table->UBound(2).value_or(-1);
        for (std::int32_t row = first; row <= last; ++row) {
            if ((*table)(hivewalk::hwValueName, row) != kCurrentVersion) continue;
            release = (*table)(hivewalk::hwValue, row);
            navigator.Cd(release);
            found = true;
        }
    }

    if (!found || release.compare(0, 4, kReleasePrefix) != 0) {
        ui.ShowMessage(kNoConnection, kOkOnly, kProgramTitle);
        ui.EndProgram(kExitFailed);
    }
}

}  // namespace installer
