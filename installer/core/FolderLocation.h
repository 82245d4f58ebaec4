// Making sure the AutoCAD folder really is AutoCAD's folder.
#pragma once

#include "FileServices.h"
#include "UserInterface.h"

namespace installer {

// Install looks for AutoCAD itself, uninstall for the installed add-in.
enum class FolderVariant { Install, Uninstall };

// Returns once the AutoCAD folder (ui.AutocadFolder()) holds the variant's
// marker file: at once if the fixed default location has it, otherwise after
// the user picked a folder that has it. Ends the program if the user gives up
// in the picker.
void LocateAutocadFolder(UserInterface& ui, FileServices& files, FolderVariant variant);

}  // namespace installer
