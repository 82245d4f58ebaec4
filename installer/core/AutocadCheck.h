// Checking that AutoCAD R14's machine-wide registry entry is present.
#pragma once

#include "Navigator.h"
#include "UserInterface.h"

namespace installer {

// Moves the navigator to HKEY_LOCAL_MACHINE\SOFTWARE\Autodesk\AutoCAD\R14.0
// and on into the release sub-key that its value "CurVer" names. Returns only
// if "CurVer" exists and names a release beginning with "ACAD"; otherwise
// shows "Could not connect to registry" and ends the program. A missing key
// fails with the navigator's error. Expects the navigator at the top level;
// leaves it on the release's sub-key.
void CheckAutocadEntry(Navigator& navigator, UserInterface& ui);

}  // namespace installer
