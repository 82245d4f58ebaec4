// Self-registration of Hivewalk.dll.
#pragma once

#include <windows.h>

namespace hivewalk::com {

// Records the class (InprocServer32 with this DLL's full path, apartment
// threading), the ProgID "Hivewalk.clsHivewalk", and the type library with
// its interface.
HRESULT RegisterServer();

// Removes what RegisterServer records and nothing else; keys already gone
// are fine.
HRESULT UnregisterServer();

}  // namespace hivewalk::com
