// The add-in's macro project acad.dvb in the AutoCAD folder.
#pragma once

#include "FileServices.h"
#include "UserInterface.h"

#include <string>

namespace installer {

// Copies installerFolder\acad.dvb into the AutoCAD folder. An acad.dvb
// already there is either overwritten or, if the user answers Cancel to the
// question, first saved as oldacad.dvb; both answers go on to the copy. The
// copy replaces the old project only once the new one is complete, so a
// missing or unreadable source leaves the old project in place.
void InstallMacroProject(UserInterface& ui, FileServices& files,
                         const std::string& installerFolder);

// Deletes acad.dvb from the AutoCAD folder and, when the folder holds a
// 1acad.dvb, puts that one back as acad.dvb. oldacad.dvb is never touched.
void RemoveMacroProject(UserInterface& ui, FileServices& files);

}  // namespace installer
