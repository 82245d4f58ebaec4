// install.exe: the Drawtrail installer's one dialog.
#include "ComNavigator.h"
#include "InstallDialog.h"
#include "Win32FileServices.h"
#include "core/Installer.h"

#include <commctrl.h>
#include <objbase.h>

#include <string>

namespace {

// The folder of the running program, where the add-in's files ship.
std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\'));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // One apartment-threaded thread: the navigator and the shell's folder
    // browser both live in it. COM is never uninitialised: ending the
    // program ends the process at once.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    installer::Win32FileServices files;
    installer::InstallDialog dialog(instance);
    installer::Installer program(dialog, files, &installer::ComNavigator::Create, ProgramFolder());
    dialog.Run(program);
    return 0;
}
