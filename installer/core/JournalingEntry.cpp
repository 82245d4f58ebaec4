#include "JournalingEntry.h"

#include <string>

namespace installer {
namespace {

// The trailing "\" is ignored by Cd.
constexpr const char* kJournalingKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Shared Tools\\Outlook\\Journaling\\";
constexpr const char* kAutocadKey = "AutoCAD";

struct EntryValue {
    const char* name;
    std::int32_t type;
    hivewalk::Variant data;
};

// In the order they are written and deleted. The double words go across as
// the Double 1.0, the navigator's way of passing a REG_DWORD.
const EntryValue kEntryValues[] = {
    {"Description", hivewalk::hwSTRING, hivewalk::Variant("AutoCAD")},
    {"Enabled", hivewalk::hwDWord, hivewalk::Variant(1.0)},
    {"AutoJournaled", hivewalk::hwDWord, hivewalk::Variant(1.0)},
    {"Large Icon", hivewalk::hwSTRING, hivewalk::Variant("1")},
    {"Small Icon", hivewalk::hwSTRING, hivewalk::Variant("1")},
};

}  // namespace

void WriteJournalingEntry(Navigator& navigator) {
    navigator.Cd(kJournalingKey);
    navigator.MakeKey(kAutocadKey);
    navigator.Cd(kAutocadKey);
    for (const EntryValue& value : kEntryValues) {
        std::int32_t type = value.type;
        navigator.ValueOf(value.name, type, value.data);
    }
    navigator.Cd("\\");
}

void DeleteJournalingEntry(Navigator& navigator) {
    navigator.Cd(kJournalingKey);
    navigator.Cd(kAutocadKey);
    for (const EntryValue& value : kEntryValues) navigator.DeleteValue(value.name);
    navigator.Cd("..");
    navigator.DeleteKey(kAutocadKey);
}

}  // namespace installer
