#include "Installer.h"

#include "AutocadCheck.h"
#include "FolderLocation.h"
#include "JournalingEntry.h"
#include "MacroProject.h"
#include "StartupList.h"

namespace installer {
namespace {

constexpr const char* kCompletionTitle = "Drawtrail";
constexpr const char* kInstallCompleted = "Install has Completed.";
constexpr const char* kUninstallQuestion =
    "This will Uninstall the Drawtrail Program.\r\nDo you wish to continue?";
constexpr const char* kUninstallCompleted =
    "Drawtrail has been uninstalled.  Program will exit now";

}  // namespace

Installer::Installer(UserInterface& ui, FileServices& files, NavigatorFactory factory,
                     std::string installerFolder)
    : ui_(ui),
      files_(files),
      installerFolder_(std::move(installerFolder)),
      installNavigator_(factory),
      uninstallNavigator_(std::move(factory)) {}

void Installer::cmdInstall_Click() {
    ui_.SetStatus("Installing Registry Settings");
    WriteJournalingEntry(installNavigator_.Get());
    CheckAutocadEntry(installNavigator_.Get(), ui_);

    ui_.SetStatus("Installing Acad.dvb File");
    LocateAutocadFolder(ui_, files_, FolderVariant::Install);
    InstallMacroProject(ui_, files_, installerFolder_);

    ui_.SetStatus("Installing Acad.rx File");
    MakeStartupListLoadVba(ui_, files_, installerFolder_);

    ui_.ShowMessage(kInstallCompleted, kOkOnly, kCompletionTitle);
    ui_.EndProgram(kExitDone);
}

void Installer::cmdUninstall_Click() {
    if (ui_.ShowMessage(kUninstallQuestion, kYesNo, kProgramTitle) != kAnswerYes) return;

    ui_.SetStatus("Removing Acad.dvb File");
    LocateAutocadFolder(ui_, files_, FolderVariant::Uninstall);
    RemoveMacroProject(ui_, files_);

    ui_.SetStatus("Removing Registry Entries");
    DeleteJournalingEntry(uninstallNavigator_.Get());

    ui_.ShowMessage(kUninstallCompleted, kOkOnly, kProgramTitle);
    ui_.EndProgram(kExitDone);
}

void Installer::cmdCancel_Click() {
    ui_.EndProgram(kExitDone);
}

}  // namespace installer
