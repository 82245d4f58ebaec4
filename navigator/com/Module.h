// The DLL's module state: the count that DllCanUnloadNow reports, and the
// module's own handle.
#pragma once

#include <windows.h>

namespace hivewalk::com {

void LockModule();
void UnlockModule();
bool ModuleInUse();

// The module (DLL or test program) that holds this code and its type
// library resource.
HMODULE ThisModule();

}  // namespace hivewalk::com
