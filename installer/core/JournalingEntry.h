// The Outlook journaling entry that makes AutoCAD a journaling application:
// five values in the key AutoCAD below
// HKEY_CURRENT_USER\Software\Microsoft\Shared Tools\Outlook\Journaling. The Journaling key belongs
// to Outlook and must exist; without it both operations fail with the navigator's "Key/Value does
// not exist.".
#pragma once

#include "Navigator.h"

namespace installer {

// Creates the AutoCAD key if needed and writes its five values, then goes
// back to the top level. Expects the navigator at the top level.
void WriteJournalingEntry(Navigator& navigator);

// Deletes the five values and then the AutoCAD key. Fails at the first value
// or key that is missing; what was deleted before stays deleted. Expects the
// navigator at the top level.
void DeleteJournalingEntry(Navigator& navigator);

}  // namespace installer
