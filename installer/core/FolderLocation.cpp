#include "FolderLocation.h"

#include "Paths.h"

namespace installer {
namespace {

struct VariantTexts {
    const char* marker;
    const char* fixedProbe;  // the default folder in lower case, with the marker
    const char* notFound;
};

const VariantTexts& TextsOf(FolderVariant variant) {
    static const VariantTexts install{
        "acad.exe", "c:\\program files\\autocad r14\\acad.exe",
        "Could not find Version 14.01 of Autocad.  Please Browse to the Location."};
    static const VariantTexts uninstall{
        "acad.dvb", "c:\\program files\\autocad r14\\acad.dvb",
        "Could not find Drawtrail Program.  Please Browse to the Location."};
    return variant == FolderVariant::Install ? install : uninstall;
}

constexpr const char* kPickerTitle = "What Directory is Autocad Located In.";
constexpr const char* kGivingUp = "Now Cancelling";

}  // namespace

void LocateAutocadFolder(UserInterface& ui, FileServices& files, FolderVariant variant) {
    const VariantTexts& texts = TextsOf(variant);
    // The probe is the fixed default location, whatever the dialog shows.
    if (files.IsPresent(texts.fixedProbe)) return;

    ui.ShowMessage(texts.notFound, kOkOnly, kProgramTitle);
    std::string chosen;
    for (;;) {
        chosen = ui.BrowseForFolder(kPickerTitle);
        if (chosen.empty()) {
            ui.ShowMessage(kGivingUp, kOkOnly, kProgramTitle);
            ui.EndProgram(kExitCancelled);
        }
        // A folder without the marker is refused silently: the picker opens again.
        if (files.IsPresent(JoinPath(chosen, texts.marker))) break;
    }
    ui.SetAutocadFolder(chosen);
}

}  // namespace installer
