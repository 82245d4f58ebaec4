// AutoCAD's start-up list acad.rx, which must load acadvba.arx for the macro
// project to run.
#pragma once

#include "FileServices.h"
#include "UserInterface.h"

#include <string>

namespace installer {

// Makes acad.rx in the AutoCAD folder load acadvba.arx: an existing list
// gains the line "acadvba.arx" unless one of its items already is exactly
// that (it is then left byte for byte as it was); without a list, the one
// shipped in installerFolder is copied in. Either way a message says which.
void MakeStartupListLoadVba(UserInterface& ui, FileServices& files,
                            const std::string& installerFolder);

}  // namespace installer
