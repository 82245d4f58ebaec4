// The dialog's three commands: install, uninstall and cancel.
//
// One Installer lives for one run of the program. Each command that reaches
// the registry creates its own navigator at its first registry step and
// keeps it until the program ends. Errors are not handled here: they leave
// the command unchanged for the front end to report (ErrorReport.h).
// Nothing done before an error is undone.
#pragma once

#include "FileServices.h"
#include "Navigator.h"
#include "UserInterface.h"

#include <string>

namespace installer {

class Installer {
public:
    // installerFolder: the folder of the running program, where the add-in's
    // acad.dvb and acad.rx ship.
    Installer(UserInterface& ui, FileServices& files, NavigatorFactory factory,
              std::string installerFolder);

    // Writes the journaling entry, checks AutoCAD's registry entry, installs
    // the macro project and the start-up list, and ends the program.
    [[noreturn]] void cmdInstall_Click();

    // Asks first; on anything but Yes returns with nothing changed. Otherwise
    // removes the macro project and the journaling entry and ends the program.
    void cmdUninstall_Click();

    // Ends the program at once.
    [[noreturn]] void cmdCancel_Click();

private:
    UserInterface& ui_;
    FileServices& files_;
    std::string installerFolder_;
    CommandNavigator installNavigator_;
    CommandNavigator uninstallNavigator_;
};

}  // namespace installer
